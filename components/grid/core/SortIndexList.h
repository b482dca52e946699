// The columns of an indexed sort in the order they decide: each entry a column number in the
// low 31 bits, bit 31 set when that column sorts descending.
#pragma once

#include <cstdint>

#include "components/grid/core/IntList.h"

class TSortIndexList : public TIntList {
 public:
  static constexpr uint32_t kDescending = 0x80000000u;

  static int Column(uint32_t Entry) { return static_cast<int>(Entry & ~kDescending); }
  static bool Descending(uint32_t Entry) { return (Entry & kDescending) != 0; }

  using TIntList::TIntList;

  void AddIndex(int ACol, bool Ascending) {
    Add(static_cast<int>(static_cast<uint32_t>(ACol) | (Ascending ? 0 : kDescending)));
  }
  // The position of the column's entry; -1 when it has none.
  int FindIndex(int ACol) const {
    for (int i = 0; i < Count(); ++i)
      if (Column(static_cast<uint32_t>(Items(i))) == ACol) return i;
    return -1;
  }
  void ToggleIndex(int ACol) {
    if (const int i = FindIndex(ACol); i >= 0)
      SetInteger(i, static_cast<int>(static_cast<uint32_t>(Items(i)) ^ kDescending));
  }
};
