// The record lock file itself: its content, reading it, and a copy's own lock written whole
// under a name of its own before it takes the lock's name, so that no copy, on this machine
// or another, ever reads a lock half written or loses one to another copy's write.
#pragma once

#include <string>

#include "platform/core/text.h"

struct DbaseLockHolder {
  AnsiString bediener;
  AnsiString datum;  // DD.MM.YYYY
  // The running copy (DbaseThisCopy), a third text after the two the Part's readers take;
  // empty in a lock written without it.
  AnsiString kopie;
};

enum class DbaseLockRead { Read, Absent, Unreadable };
enum class DbaseLockCreate { Created, Exists, Failed };

// Read: a short file yields empty texts. Absent: no file has the name. Unreadable: one has,
// but it cannot be opened.
DbaseLockRead DbaseReadLock(const std::string& path, DbaseLockHolder& holder);

// The folder a lock file lies in: "." for a name without one.
std::string DbaseLockFolder(const std::string& lockPath);

// This copy's lock for the file `path`, written whole at construction under a temporary name
// beside it that names this copy (".neu"); the temporary name is removed with the object.
class DbaseOwnLockFile {
 public:
  DbaseOwnLockFile(const std::string& path, const DbaseLockHolder& holder);
  ~DbaseOwnLockFile();
  DbaseOwnLockFile(const DbaseOwnLockFile&) = delete;
  DbaseOwnLockFile& operator=(const DbaseOwnLockFile&) = delete;

  // false when it could not be written (a full disk, a folder that is missing or read-only);
  // Error() tells why.
  bool Written() const { return !temporary_.empty(); }
  int Error() const { return error_; }
  const std::string& Path() const { return path_; }

  // Gives the lock its name only when no file has it: a hard link, which fails when the name
  // is taken. Where the file system has no hard links the lock is created exclusively and
  // written at once, under the lock folder's guard so that no guarded reader sees it half
  // written.
  DbaseLockCreate LinkIn();
  // Puts the lock in place of the file at its name, in one step. Only for a lock judged
  // stale under the lock folder's guard (DbaseLockGuard), which the caller holds.
  bool Replace();

 private:
  void Forget();

  std::string path_;
  std::string bytes_;
  std::string temporary_;  // empty once it has taken the lock's name, or was never written
  int error_ = 0;
};
