// The record lock file itself: its content, reading it, and a copy's own lock written whole
// under a name of its own before it takes the lock's name, so that no copy, on this machine
// or another, ever reads a lock half written or loses one to another copy's write. Every
// file is opened as DbaseLockOpen.h says: a name held by anything but a regular file is
// neither followed nor written.
#pragma once

#include <string>

#include "platform/core/text.h"

struct DbaseLockHolder {
  AnsiString bediener;
  AnsiString datum;  // DD.MM.YYYY
  // The running copy (DbaseThisCopy), a third text after the operator and the day, which
  // older readers stop before; empty in a lock written without it.
  AnsiString kopie;
};

enum class DbaseLockRead { Read, Absent, Unreadable };
enum class DbaseLockCreate { Created, Exists, Failed };

// A lock holds three short texts; a longer file is none this program wrote.
inline constexpr long kDbaseLockMaxSize = 4096;

// Read: a short file yields empty texts. Absent: no file has the name. Unreadable: something
// has, but it cannot be opened or read, is no regular file, or is longer than any lock; `error`
// then tells why (an errno, EFBIG for the length, or kDbaseNotAFile).
DbaseLockRead DbaseReadLock(const std::string& path, DbaseLockHolder& holder, int* error = nullptr);

// This copy's lock for the file `path`, written under a temporary name beside it that names
// the holder's copy, this one (".neu"); the temporary file is removed with the object.
// Every user of the folder may read it, whatever this user's umask.
class DbaseOwnLockFile {
 public:
  DbaseOwnLockFile(const std::string& path, const DbaseLockHolder& holder);
  ~DbaseOwnLockFile();
  DbaseOwnLockFile(const DbaseOwnLockFile&) = delete;
  DbaseOwnLockFile& operator=(const DbaseOwnLockFile&) = delete;

  // false when it could not be written (a full disk, a folder that is missing or read-only);
  // Error() tells why (as DbaseReadLock's error). A full disk may show only when the lock
  // takes its name.
  bool Written() const { return written_; }
  int Error() const { return error_; }
  const std::string& Path() const { return path_; }

  // Gives the lock its name only when nothing has it. Where the file system has no hard
  // links the lock is created exclusively and written at once.
  DbaseLockCreate LinkIn();
  // Puts the lock in place of the file at its name, in one step. Only for a lock judged
  // stale under the lock folder's guard (DbaseLockGuard), which the caller holds.
  bool Replace();

 private:
  bool Fail(int error);

  std::string path_;
  std::string bytes_;
  std::string temporary_;  // empty once placed or failed
  bool written_ = false;
  int error_ = 0;
};
