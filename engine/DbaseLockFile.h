// The file operations under the record locks, each atomic on the file system, so that
// running copies on several machines never both believe they hold one lock.
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

enum class DbaseLockCreate { Created, Exists, Failed };
enum class DbaseLockMove { Moved, Gone, Failed };

// Creates the lock file only when the name is free, whole: a copy that reads it never sees
// it half written.
DbaseLockCreate DbaseCreateLock(const std::string& path, const DbaseLockHolder& holder);
// false when the file cannot be opened; a short file yields empty texts.
bool DbaseReadLock(const std::string& path, DbaseLockHolder& holder);
// Moves the lock file to a name of this copy's own; from then on no other copy reaches it.
DbaseLockMove DbaseMoveLockAside(const std::string& path, std::string& moved);
// Puts a moved lock file back when its name is still free, and removes the moved copy.
void DbasePutLockBack(const std::string& moved, const std::string& path);
