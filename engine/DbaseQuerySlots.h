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
