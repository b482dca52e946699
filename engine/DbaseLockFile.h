// The record lock file itself: its content, reading it, and a copy's own lock written whole
// under a name of its own before it takes the lock's name, so that no copy, on this machine
// or another, ever reads a lock half written or loses one to another copy's write.
#pragma once

#include <string>

#include "platform/core/text.h"
#include "platform/core/whole_file.h"

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

// This copy's lock for the file `path`, written under a temporary name beside it that names
// the holder's copy, this one (".neu"); the temporary file is removed with the object.
class DbaseOwnLockFile {
 public:
  DbaseOwnLockFile(const std::string& path, const DbaseLockHolder& holder);
  DbaseOwnLockFile(const DbaseOwnLockFile&) = delete;
  DbaseOwnLockFile& operator=(const DbaseOwnLockFile&) = delete;

  // false when it could not be written (a full disk, a folder that is missing or read-only);
  // Error() tells why. A full disk may show only when the lock takes its name.
  bool Written() const { return file_.Ok(); }
  int Error() const { return fallbackError_ ? fallbackError_ : file_.Error(); }
  const std::string& Path() const { return path_; }

  // Gives the lock its name only when no file has it. Where the file system has no hard
  // links the lock is created exclusively and written at once.
  DbaseLockCreate LinkIn();
  // Puts the lock in place of the file at its name, in one step. Only for a lock judged
  // stale under the lock folder's guard (DbaseLockGuard), which the caller holds.
  bool Replace();

 private:
  std::string path_;
  std::string bytes_;
  TWholeFile file_;
  int fallbackError_ = 0;
};
