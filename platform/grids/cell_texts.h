// The texts of a row of the cell store: an array of the row's own, or the row's slot in an
// array made for many rows at once. Either is held by a CellTexts, which moves as a plain
// pointer; letting go of a slot frees its texts at once and the shared array with its last
// slot. The array's length stands in a word before it, as an array new would keep it.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/core/text.h"

struct CellTextsRelease {
  void operator()(AnsiString* texts) const noexcept;
};
using CellTexts = std::unique_ptr<AnsiString[], CellTextsRelease>;

// `count` empty texts of their own.
CellTexts NewCellTexts(uint32_t count);

// One allocation for `rows` arrays of `count` empty texts each; Take hands them out in turn.
// Those never taken go when the maker does.
class SharedCellTexts {
 public:
  SharedCellTexts(uint32_t rows, uint32_t count);
  ~SharedCellTexts();
  SharedCellTexts(const SharedCellTexts&) = delete;
  SharedCellTexts& operator=(const SharedCellTexts&) = delete;

  CellTexts Take();

 private:
  char* block_;
  uint32_t rows_;
  uint32_t count_;
  uint32_t taken_ = 0;
};
