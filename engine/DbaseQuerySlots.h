// Reading and filling the query's fixed-size text fields (slots and descriptions) without
// ever leaving them, whatever a window or a file put there.
#pragma once

#include <algorithm>
#include <cstring>

#include "engine/DbaseQuery.h"

// The text up to its NUL, at most size - 1 characters.
inline AnsiString DbaseFixedText(const char* field, std::size_t size) {
  return AnsiString(field, strnlen(field, size - 1));
}

// The text cut to size - 1 characters, its NUL, and zeros after it.
inline void DbaseSetFixedText(char* field, std::size_t size, std::string_view text) {
  std::memset(field, 0, size);
  text.copy(field, std::min(text.size(), size - 1));
}

inline AnsiString DbaseSlot(int k) { return DbaseFixedText(dbase_abfragetext[k], kDbaseSlotSize); }

// The slot of each name the check resolves: criteria 1-8, sort field 1, sort field 2, slot 27.
inline constexpr int kDbaseNameSlots[kDbaseQueryFields] = {1, 4, 7, 10, 13, 16, 19, 22, 25, 26, 27};
inline constexpr int kDbaseCriteria = 8;

// The field of the open table named so (upper case, as the check reads a name slot); -1 for
// none.
int DbaseFieldNamed(const AnsiString& name);
