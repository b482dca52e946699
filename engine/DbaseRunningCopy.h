// Which running copy of the program holds a record lock: the same operator may run the
// program twice on one machine, and only the copy tells those two apart.
#pragma once

#include "platform/core/text.h"

// This copy as a lock names it: "host pid start", start being the process's start time in
// clock ticks since boot (0 where it cannot be read), so a reused process id is no match.
AnsiString DbaseThisCopy();

// false only for a copy named on this host whose process no longer runs; a copy of another
// host, or a name that cannot be read, may still be running.
bool DbaseCopyMayRun(const AnsiString& kopie);

// The copy as a file name can carry it, "pid.start@host", and back from the end of such a
// name ("" when it ends in none): temporary files name the copy that wrote them, so that
// they are known as stale once its process has ended.
AnsiString DbaseCopyInFileName(const AnsiString& kopie);
AnsiString DbaseCopyOfFileName(const AnsiString& name);
