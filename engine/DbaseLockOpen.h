// Opening names in the lock folder. Everyone who shares the folder may put anything at a name
// there: a link to the table, a pipe, a folder, a huge file. Nothing there is followed or
// opened as anything but a regular file, and no open waits.
#pragma once

#include <sys/types.h>

#include <string>

#include "platform/core/text.h"

// The error of a name held by something that is not a regular file (a link, a folder, a pipe,
// a device): no errno says that, so it has a value of its own.
inline constexpr int kDbaseNotAFile = -1;

// A descriptor of the regular file at `path`, opened with `flags` (O_NOFOLLOW, O_NONBLOCK and
// O_CLOEXEC added) and, when O_CREAT makes it, `mode` before the umask; -1 with `error` set to
// the errno or kDbaseNotAFile.
int DbaseOpenInLockFolder(const std::string& path, int flags, mode_t mode, int& error);

// Why a name in the lock folder could not be used, as the lock messages say it.
AnsiString DbaseLockFolderReason(int error);
