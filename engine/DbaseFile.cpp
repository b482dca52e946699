#include "engine/DbaseFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/core/error_text.h"
#include "platform/core/files.h"

int DbaseOpenHandle(const AnsiString& name, int& error) {
  int handle = ::open(NativePath(name).c_str(), O_RDWR | O_CLOEXEC);
  error = handle < 0 ? errno : 0;
  return handle;
}

AnsiString DbaseErrorText(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return "Zugriff nicht gestattet";
    case EINVAL:
      return "Ung\xFCltiger Zugriffscode";
    case EMFILE:
    case ENFILE:
      return "Zu viele Dateien offen";
    case ENOENT:
    case ENOTDIR:
      return "Pfad/Datei nicht gefunden";
    case ENOSPC:
    case EDQUOT:
      return "Datentr\xE4ger ist voll";
    default:
      return "";
  }
}

FilePtr DbaseStreamOver(int handle) {
  FilePtr stream(::fdopen(handle, "rb+"));
  if (!stream) {
    ::close(handle);
    return nullptr;
  }
  // Other copies write the same file: a buffer would serve them stale bytes.
  std::setvbuf(stream.get(), nullptr, _IONBF, 0);
  return stream;
}

AnsiString DbaseReasonText(int error) {
  const AnsiString text = DbaseErrorText(error);
  return text.empty() ? SystemErrorText(error) : text;
}

std::size_t DbaseReadAt(int handle, off_t position, void* buffer, std::size_t length,
                        int* error) {
  if (error) *error = 0;
  if (handle < 0 || position < 0) return 0;
  auto* bytes = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < length) {
    ssize_t got = ::pread(handle, bytes + done, length - done, position + static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && error) *error = errno;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

bool DbaseWriteAt(int handle, off_t position, const void* buffer, std::size_t length) {
  if (handle < 0 || position < 0) return false;
  const auto* bytes = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < length) {
    ssize_t put = ::pwrite(handle, bytes + done, length - done, position + static_cast<off_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

off_t DbaseFileSize(int handle) {
  struct stat info {};
  return handle >= 0 && ::fstat(handle, &info) == 0 ? info.st_size : -1;
}

bool DbaseSameFile(int handle, const std::string& path) {
  struct stat open {};
  struct stat named {};
  return handle >= 0 && ::fstat(handle, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

DbaseFileEnd::DbaseFileEnd(int handle, off_t position, std::size_t length)
    : handle_(handle), position_(position), size_(DbaseFileSize(handle)) {
  if (size_ > position_)
    bytes_.resize(std::min<std::size_t>(length, static_cast<std::size_t>(size_ - position_)));
  bytes_.resize(DbaseReadAt(handle, position, bytes_.data(), bytes_.size()));
}

// The bytes go back even on a full disk: they lie within the length the file had, in blocks
// it kept.
void DbaseFileEnd::Restore() const {
  if (size_ < 0) return;
  while (::ftruncate(handle_, size_) == -1 && errno == EINTR) {
  }
  DbaseWriteAt(handle_, position_, bytes_.data(), bytes_.size());
}

DbaseCountLock::DbaseCountLock(int handle) : handle_(handle), held_(Set(F_WRLCK)) {}

DbaseCountLock::~DbaseCountLock() { Set(F_UNLCK); }

bool DbaseCountLock::Set(short type) {
  struct flock region {};
  region.l_type = type;
  region.l_whence = SEEK_SET;
  region.l_start = 4;
  region.l_len = 4;
  int result = 0;
  while ((result = ::fcntl(handle_, F_SETLKW, &region)) == -1 && errno == EINTR) {
  }
  return result == 0;
}
