#include "platform/core/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/core/files.h"

namespace {

// Closes a descriptor when it goes out of scope.
struct Descriptor {
  int fd;
  explicit Descriptor(int f) : fd(f) {}
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
};

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The file a link points to, so that replacing it keeps the link.
AnsiString FinalTarget(const AnsiString& path) {
  char resolved[PATH_MAX];
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved))
    return resolved;
  return path;
}

mode_t ModeFor(const AnsiString& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void SyncFolder(const AnsiString& folder) {
  Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.fd >= 0) ::fsync(dir.fd);
}

}  // namespace

bool ReadFileBytes(const AnsiString& fileName, std::string& bytes) {
  Descriptor file(::open(NativePath(fileName).c_str(), O_RDONLY));
  if (file.fd < 0) return false;
  bytes.clear();
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(file.fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

AnsiString TemporaryBeside(const AnsiString& fileName, const AnsiString& suffix) {
  AnsiString target = FinalTarget(NativePath(fileName));
  std::string temp = ExtractFilePath(target) + "." + ExtractFileName(target) + ".XXXXXX" + suffix;
  Descriptor file(::mkstemps(temp.data(), static_cast<int>(suffix.size())));
  return file.fd < 0 ? "" : temp;
}

bool MoveOver(const AnsiString& temporary, const AnsiString& fileName) {
  AnsiString target = FinalTarget(NativePath(fileName));
  bool synced;
  {
    Descriptor file(::open(temporary.c_str(), O_RDWR));
    synced = file.fd >= 0 && ::fchmod(file.fd, ModeFor(target)) == 0 && ::fsync(file.fd) == 0;
  }
  if (!synced || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(ExtractFilePath(target));
  return true;
}

bool WriteFileBytes(const AnsiString& fileName, const std::string& bytes) {
  AnsiString temp = TemporaryBeside(fileName, "");
  if (temp.empty()) return false;
  bool written;
  {
    Descriptor file(::open(temp.c_str(), O_WRONLY));
    written = file.fd >= 0 && WriteAll(file.fd, bytes);
  }
  if (!written) {
    ::unlink(temp.c_str());
    return false;
  }
  return MoveOver(temp, fileName);
}

FileStamp StampOf(const AnsiString& fileName) {
  struct stat st;
  if (::stat(NativePath(fileName).c_str(), &st) != 0) return {};
  return {true,
          static_cast<uint64_t>(st.st_dev),
          static_cast<uint64_t>(st.st_ino),
          static_cast<uint64_t>(st.st_size),
          static_cast<int64_t>(st.st_mtim.tv_sec),
          static_cast<int64_t>(st.st_mtim.tv_nsec)};
}
