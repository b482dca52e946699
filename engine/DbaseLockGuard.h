// Serialises, between the running copies of one machine or of several that share the lock
// folder, the steps that replace or remove an existing lock file: judging it and acting on
// it happen while no other copy does the same in that folder, so no copy replaces or
// removes a lock that became valid in between. A creation of a new lock needs no guard: it
// is one atomic step of the file system.
#pragma once

#include <string>

// An exclusive flock on a fixed file in the lock folder, held while the guard lives. The
// kernel releases it when the process ends however it ends, so the guard never goes stale.
// It is waited for a bounded time only, and whoever holds it shows no message meanwhile.
// A guard that cannot be had is not held: the caller refuses what it guards.
class DbaseLockGuard {
 public:
  // Guards the folder of the lock file named.
  explicit DbaseLockGuard(const std::string& lockPath);
  ~DbaseLockGuard();
  DbaseLockGuard(const DbaseLockGuard&) = delete;
  DbaseLockGuard& operator=(const DbaseLockGuard&) = delete;

  bool Held() const { return error_ == 0; }
  // Why it is not held: an errno, EWOULDBLOCK when another copy kept it all the wait, or
  // kDbaseNotAFile (DbaseLockOpen.h).
  int Error() const { return error_; }
  const std::string& Path() const { return path_; }

  // The file's name in each lock folder.
  static constexpr const char* kFileName = "sperrwache.lck";

 private:
  bool Wait();

  std::string path_;
  int handle_ = -1;
  int error_ = 0;
};
