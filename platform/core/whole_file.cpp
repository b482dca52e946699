#include "platform/core/whole_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/core/files.h"

namespace {

constexpr int kMaxLinks = 40;  // as the kernel follows them
constexpr std::size_t kUniqueLetters = 6;

// The file a link points to, through every link and also where it does not exist yet:
// replacing it keeps the link, and a dangling link gets its file rather than becoming one.
AnsiString FinalTarget(const AnsiString& path) {
  AnsiString target = path;
  for (int hops = 0; hops < kMaxLinks; ++hops) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    std::string link(PATH_MAX, '\0');
    const ssize_t size = ::readlink(target.c_str(), link.data(), link.size());
    if (size <= 0 || size == static_cast<ssize_t>(link.size())) return target;
    link.resize(static_cast<std::size_t>(size));
    target = link.front() == '/' ? link : ExtractFilePath(target) + link;
  }
  return target;
}

bool IsLink(const AnsiString& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// A file the user may not write is kept, though its folder would let a rename replace it:
// the errno that says why (EACCES, EROFS), 0 where it may be written or does not exist.
int WriteProtection(const AnsiString& path) {
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT) return 0;
  return errno;
}

bool IsReplaceable(const AnsiString& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

// A file of a name no other file has, made without following a link at that name. `mode`
// passes through the umask as the kernel applies it, so the process's umask is never set.
int CreateUnique(AnsiString& name, mode_t mode) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const std::size_t at = name.size() - kUniqueLetters;
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[kUniqueLetters];
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) return -1;
    for (std::size_t i = 0; i < kUniqueLetters; ++i) name[at + i] = kLetters[random[i] % 62];
    const int handle =
        ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (handle >= 0 || errno != EEXIST) return handle;
  }
  errno = EEXIST;
  return -1;
}

// A file replaced keeps its permissions; a new one has those it was made with.
bool TakeMode(int handle, const AnsiString& target) {
  struct stat st;
  if (::stat(target.c_str(), &st) != 0) return true;
  return ::fchmod(handle, st.st_mode & 07777) == 0;
}

// The rename itself must reach the disk too, or a crash could bring the old name back: the
// errno of a sync that failed, 0 where it succeeded or the folder cannot be opened or synced
// at all (a folder the user may only pass, a file system without folder syncs).
int SyncFolder(const AnsiString& folder) {
  int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return 0;
  const int error = ::fsync(dir) == 0 || errno == EINVAL ? 0 : errno;
  ::close(dir);
  return error;
}

}  // namespace

TWholeFile::TWholeFile(const AnsiString& fileName)
    : target_(FinalTarget(NativePath(fileName))) {
  if (IsLink(target_)) {
    Fail(ELOOP);
    return;
  }
  int handle;
  if (IsReplaceable(target_)) {
    written_ = ExtractFilePath(target_) + "." + ExtractFileName(target_) + "." +
               std::string(kUniqueLetters, 'X');
    // Private while written where it replaces a file: it takes that file's permissions.
    handle = CreateUnique(written_, ::access(target_.c_str(), F_OK) == 0 ? 0600 : 0666);
  } else {
    inPlace_ = true;
    written_ = target_;
    handle = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
  }
  if (handle < 0) {
    written_.clear();
    Fail(errno);
    return;
  }
  stream_ = ::fdopen(handle, "wb");
  if (!stream_) {
    int error = errno;
    ::close(handle);
    Fail(error);
  }
}

TWholeFile::~TWholeFile() { Discard(); }

bool TWholeFile::Write(std::string_view bytes) {
  if (!Ok() || bytes.empty()) return Ok();
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) error_ = errno ? errno : EIO;
  return Ok();
}

// Everything written reaches the disk and the file is closed; a write that failed on the way
// (the stream keeps its error) fails the whole.
bool TWholeFile::Finish() {
  if (!Ok()) return Fail(error_);
  errno = 0;
  if (std::fflush(stream_) != 0 || std::ferror(stream_)) return Fail(errno ? errno : EIO);
  const int handle = ::fileno(stream_);
  if (!inPlace_ && !TakeMode(handle, target_)) return Fail(errno);
  // A device or a pipe written in place may not take a sync.
  if (::fsync(handle) != 0 && !(inPlace_ && (errno == EINVAL || errno == EROFS))) return Fail(errno);
  FILE* stream = stream_;
  stream_ = nullptr;
  if (std::fclose(stream) != 0) return Fail(errno);
  return true;
}

bool TWholeFile::Commit() {
  if (!inPlace_ && stream_)
    if (int protection = WriteProtection(target_)) return Fail(protection);
  if (!Finish()) return false;
  if (!inPlace_ && ::rename(written_.c_str(), target_.c_str()) != 0) return Fail(errno);
  committed_ = true;
  if (inPlace_) return true;
  return Synced();
}

// The file is in place already; a folder that did not reach the disk is a failure all the same.
bool TWholeFile::Synced() {
  if (int error = SyncFolder(ExtractFilePath(target_))) return Fail(error);
  return true;
}

bool TWholeFile::Fail(int error) {
  if (error_ == 0) error_ = error ? error : EIO;
  Discard();
  return false;
}

void TWholeFile::Discard() {
  if (stream_) std::fclose(stream_);
  stream_ = nullptr;
  if (!committed_ && !inPlace_ && !written_.empty()) ::unlink(written_.c_str());
  written_.clear();
}
