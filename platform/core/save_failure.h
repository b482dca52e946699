// What a failed save tells the user when the file or its folder may not be written: one text
// for every writer, so that a protected file reads alike whichever writer refused it.
#pragma once

#include "platform/core/text.h"

// Whether the errno of a failed save means the user may not write there (no right, a
// read-only file system).
bool IsWriteProtection(int error);
// "<file> ist schreibgeschützt - nicht gespeichert" for such an error, else `otherwise`.
AnsiString SaveFailureText(const AnsiString& fileName, int error, const AnsiString& otherwise);
