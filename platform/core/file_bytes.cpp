#include "platform/core/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/core/files.h"
#include "platform/core/whole_file.h"

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

bool WriteFileBytes(const AnsiString& fileName, const std::string& bytes) {
  int error = 0;
  {
    TWholeFile file(fileName);
    if (file.Write(bytes) && file.Commit()) return true;
    error = file.Error();
  }
  // Set after the file is gone: removing the uncommitted file may change errno.
  errno = error;
  return false;
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
