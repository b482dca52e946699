// Moving a file to a name only where no file has it, as one step of the file system, so that
// of several writers racing for the name exactly one gets it.
#pragma once

#include "platform/core/text.h"

// 0 when `from` now has the name `to`; else the errno (EEXIST when something has the name).
// Works on the names themselves: a link at `to` is never followed. Where the file system
// cannot rename without replacing, a hard link does the same; EPERM, ENOTSUP or ENOSYS then
// say the file system has no hard links either.
int RenameNew(const AnsiString& from, const AnsiString& to);
