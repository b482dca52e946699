// Record locks and the operator's identity. While an operator edits a record, a lock file
// beside the lock folder's copy of the table path holds the operator's name and the day;
// another operator is refused that record until the lock is released or the day is over.
#pragma once

#include <cstdint>

#include "platform/core/text.h"

extern AnsiString dbase_bediener;  // the operator: the name of the user running the program
extern uint8_t dbase_gesperrt;     // 1: the last dbase_sperren met another operator's lock
extern int dbm_sperren;            // record locks are on when not 0 (database definition)

// The lock file of record n: the lock base up to its first ".dbf" (empty when it has none),
// "_", n and ".dsp". "/" and "\\" both separate folders.
AnsiString DbaseLockFileName(const AnsiString& sperrbasis, long satznummer);

// 1 when locking is off, 0 when the lock is taken, -1 after a message when another operator
// locked the record today or the lock cannot be written (a full disk, a missing folder): a
// record that cannot be locked is not edited. Of copies taking one record at the same moment
// exactly one gets it, and no copy ever replaces a lock that is not stale.
int dbase_sperren(const AnsiString& sperrbasis, long satznummer, const AnsiString& bediener);
// 1 when locking is off, 2 when the record is another operator's or the lock no longer names
// this running copy (the file stays), else 0 when the lock file was removed and -1 when there
// was none.
int dbase_entsperren(const AnsiString& sperrbasis, long satznummer, const AnsiString& bediener);

void dbase_bedienerholen();
