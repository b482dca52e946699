#include "engine/DbaseLockGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "engine/DbaseLockOpen.h"
#include "engine/DbaseLockSteps.h"
#include "platform/core/files.h"

namespace {

// Another copy holds the guard for a few file operations; one that keeps it longer is stuck
// on a slow or hung file system, and the user is better told than kept waiting.
constexpr auto kWait = std::chrono::seconds(2);
constexpr auto kPause = std::chrono::milliseconds(5);

// Every user of the folder must be able to open the guard for writing: a file system that
// offers flock through byte-range locks gives a write lock only on a file open for writing.
constexpr mode_t kGuardMode = 0666;

void OpenToAll(int handle) {
  struct stat st;
  if (::fstat(handle, &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 0777) != kGuardMode)
    ::fchmod(handle, kGuardMode);
}

// 0 when the flock is taken, else the errno; EWOULDBLOCK while another copy holds it.
int TryLock(int handle) {
  while (::flock(handle, LOCK_EX | LOCK_NB) != 0)
    if (errno != EINTR) return errno;
  return 0;
}

}  // namespace

DbaseLockGuard::DbaseLockGuard(const std::string& lockPath)
    : path_(ExtractFilePath(lockPath) + kFileName) {
  handle_ = DbaseOpenInLockFolder(path_, O_RDWR | O_CREAT, kGuardMode, error_);
  // A guard an older copy made under its umask may be another user's to write. A local flock
  // needs no more than reading; where the file system wants writing, the flock fails below
  // (EBADF) and the lock is refused, never taken unguarded.
  if (handle_ < 0 && error_ == EACCES)
    handle_ = DbaseOpenInLockFolder(path_, O_RDONLY, 0, error_);
  if (handle_ < 0) return;
  OpenToAll(handle_);
  if (!Wait()) {
    ::close(handle_);
    handle_ = -1;
  }
}

// Closing the file releases the lock.
DbaseLockGuard::~DbaseLockGuard() {
  if (handle_ >= 0) ::close(handle_);
}

bool DbaseLockGuard::Wait() {
  error_ = TryLock(handle_);
  if (error_ == EWOULDBLOCK) DbaseLockStepReached(DbaseLockStep::GuardBusy);
  const auto until = std::chrono::steady_clock::now() + kWait;
  while (error_ == EWOULDBLOCK && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(kPause);
    error_ = TryLock(handle_);
  }
  return error_ == 0;
}
