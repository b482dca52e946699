// The user locale's comparison of texts, as the class library's locale-aware string compare
// asks Windows for it: letters beside their accented forms, case as the locale orders it.
// The locale is Qt's default locale (the user's unless a program sets another); in the C
// locale the comparison is by character codes.
#pragma once

#include "platform/core/text.h"

// -1, 0 or 1. Without CaseSensitive, texts that differ only in case compare equal.
int LocaleCompare(const AnsiString& a, const AnsiString& b, bool CaseSensitive);
