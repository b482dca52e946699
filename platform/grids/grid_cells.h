// The cells of a string grid: a text and an object per cell, kept sparsely by row. The store
// knows nothing of the grid's counts: cells beyond them stay stored (a grid that shrinks and
// grows again shows them again), and reading a cell never stored gives "" and no object.
// A row holds its cells up to about the last one written (never more than twice as many, nor
// past the grid's width unless a cell lies beyond it), and pointers only once an object is set
// in it.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/core/object.h"
#include "platform/core/text.h"
#include "platform/grids/grid_types.h"

class TGridCells {
 public:
  TGridCells();
  ~TGridCells();
  TGridCells(const TGridCells&) = delete;
  TGridCells& operator=(const TGridCells&) = delete;

  const AnsiString& Text(int col, int row) const;
  TObject* Object(int col, int row) const;
  // Negative coordinates are ignored.
  void SetText(int col, int row, AnsiString text);
  void SetObject(int col, int row, TObject* object);
  // Cells 0 .. texts.size() - 1 of a row at once, the texts copied into the cells' existing
  // buffers, so a row refilled in the same shape allocates nothing.
  void SetRowTexts(int row, std::span<const std::string_view> texts);

  // The texts inside rect emptied at once; a row whose texts all lie inside releases its
  // allocation, unless it is kept for a refill.
  enum class Capacity { GiveUp, Keep };
  void ClearTexts(const TGridRect& rect, Capacity capacity = Capacity::GiveUp);
  // Capacity for the texts of the first `columns` columns of rows first..last, allocated at
  // once for cells about to be written in any order: the rows of a page that lack it share
  // one allocation, freed when the last of them releases it. Each text of column c is also
  // given capacity for textBytes[c] characters, so that texts that long are copied in without
  // an allocation of their own.
  void ReserveRows(int first, int last, int columns, std::span<const uint32_t> textBytes = {});

  // The grid's column count: the most a row grows to ahead of its cells, so that a row
  // filled left to right ends at exactly its width.
  void SetRowWidthHint(int columns) { widthHint_ = columns > 0 ? static_cast<uint32_t>(columns) : 1; }
  // How many text and object slots the rows hold, what the store costs beyond its pages.
  std::size_t StoredCells() const;

  // Calls visit(col, row) for each cell inside rect (both corners included) whose text is not
  // empty, or whose object is set, row by row and left to right. Only what the rows hold is
  // looked at, so a rectangle as large as the whole coordinate space costs what the store
  // holds. visit may write any cell.
  enum class Slot { Text, Object };
  void ForEachStored(Slot slot, const TGridRect& rect,
                     const std::function<void(int col, int row)>& visit) const;

  // Line `from` moves to `to`; the lines between shift one place towards `from`. Every
  // stored cell of the line travels, also those beyond the grid's counts.
  void MoveRow(int from, int to);
  void MoveColumn(int from, int to);
  // Lines first..last-1 as std::rotate: line `middle` becomes line `first`. Only the rows the
  // store holds are looked at, so the cost follows what is stored, not the range. The column
  // forms move the cells of rows firstRow..lastRow only.
  void RotateRows(int64_t first, int64_t middle, int64_t last);
  void RotateColumns(int64_t first, int64_t middle, int64_t last, int firstRow = 0,
                     int lastRow = INT_MAX);
  // Two columns trade their cells in the rows firstRow..lastRow.
  void SwapColumns(int a, int b, int firstRow = 0, int lastRow = INT_MAX);
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
  // Calls visit(row, Row) for the rows first..last that lie in a page, until it returns true;
  // the rows are const when self is.
  template <typename Self, typename Visit>
  static bool WalkRows(Self& self, int64_t first, int64_t last, Visit visit);
  // The rows first..last held move to placeOf(row): the rows they leave end empty, and the
  // places taken are empty or among those left.
  template <typename PlaceOf>
  void MoveHeldRows(int64_t first, int64_t last, PlaceOf placeOf);
};
