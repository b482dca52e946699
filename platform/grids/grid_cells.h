// The cells of a string grid: a text and an object per cell, kept sparsely by row. The store
// knows nothing of the grid's counts: cells beyond them stay stored (a grid that shrinks and
// grows again shows them again), and reading a cell never stored gives "" and no object.
// A row holds its cells up to about the last one written (never more than twice as many, nor
// past the grid's width unless a cell lies beyond it), and pointers only once an object is set
// in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/object.h"
#include "platform/core/text.h"

class TGridCells {
 public:
  TGridCells();
  ~TGridCells();
  TGridCells(const TGridCells&) = delete;
  TGridCells& operator=(const TGridCells&) = delete;

  const AnsiString& Text(int col, int row) const;
  TObject* Object(int col, int row) const;
  // Whether the row holds a text or object slot: a row without one reads empty throughout.
  bool HasRow(int row) const;
  // Negative coordinates are ignored.
  void SetText(int col, int row, AnsiString text);
  void SetObject(int col, int row, TObject* object);

  // The grid's column count: the most a row grows to ahead of its cells, so that a row
  // filled left to right ends at exactly its width.
  void SetRowWidthHint(int columns) { widthHint_ = columns > 0 ? static_cast<uint32_t>(columns) : 1; }
  // How many text and object slots the rows hold, what the store costs beyond its pages.
  std::size_t StoredCells() const;

  // Line `from` moves to `to`; the lines between shift one place towards `from`. Every
  // stored cell of the line travels, also those beyond the grid's counts.
  void MoveRow(int from, int to);
  void MoveColumn(int from, int to);
  // Whole rows at once, every stored cell of them, for the sorts: two rows trade places, a
  // row becomes a copy of another (objects shared, not owned), a row is emptied.
  void SwapRows(int a, int b);
  void CopyRow(int from, int to);
  void ClearRow(int row);
  // Row p takes the cells of row order[p]; order is a permutation of 0..size-1.
  void PermuteRows(const std::vector<int>& order);

 private:
  struct Row;
  struct Page;
  std::vector<std::unique_ptr<Page>> pages_;
  uint32_t widthHint_ = 1;

  const Row* FindRow(int row) const;
  Row& RowAt(int row);
  bool AnyRowIn(int first, int last) const;
};
