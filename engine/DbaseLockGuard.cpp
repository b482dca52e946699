#include "engine/DbaseLockGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/core/files.h"

DbaseLockGuard::DbaseLockGuard(const std::string& lockPath) {
  const std::string name = ExtractFilePath(lockPath) + kFileName;
  // Open for writing where it may be: a file system that offers flock through byte-range
  // locks gives a write lock only on a file open for writing. Another user's guard may be
  // open to reading only, which a local flock needs no more than.
  handle_ = ::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (handle_ < 0 && errno == EACCES) handle_ = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (handle_ < 0) return;
  while (::flock(handle_, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// Closing the file releases the lock.
DbaseLockGuard::~DbaseLockGuard() {
  if (handle_ >= 0) ::close(handle_);
}
