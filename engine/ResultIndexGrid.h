// The result index in the query window's hidden column grid: three columns, no fixed cells,
// one row per hit and the empty row after them. The grid sorts it itself (QSort) by the
// styles set on its column items.
#pragma once

#include "components/grid/columns/ExtCGrid.h"
#include "engine/ResultIndex.h"

// Gives a grid the index's form and sort settings: ascending, ties decided by the columns to
// the right, empty cells last, normal cells only.
void DbaseShapeIndexGrid(TExtColumnGrid& grid);

// The grid grows by many rows at a time while hits come in (a change of its row count costs
// a layout of its scroll bars); it holds exactly the hits and the empty row again after a
// sort and when the adapter is destroyed.
class GridResultIndex : public ResultIndex {
 public:
  explicit GridResultIndex(TExtColumnGrid& grid) : grid_(grid), rows_(grid.GetRowCount()) {}
  ~GridResultIndex() override;
  GridResultIndex(const GridResultIndex&) = delete;
  GridResultIndex& operator=(const GridResultIndex&) = delete;

  void Clear() override;
  void AddHit(std::string_view satznummer, std::string_view key1, std::string_view key2) override;
  // The rows of the dropped hits are emptied when the adapter is destroyed.
  void KeepHits(int hits) override;
  void SetSortStyle(int column, IndexSortStyle style) override;
  // Sorts the hit rows only, so the empty row cannot tie with hits whose key is empty.
  void Sort(int column) override;
  int RowCount() const override { return rows_; }
  std::string_view Cell(int column, int row) const override;

 private:
  void Grow();

  TExtColumnGrid& grid_;
  int rows_;  // the hits and the empty row
  int stale_ = 0;  // rows before the run that may still hold hits of the run before
  bool secondKey_ = false;  // whether a hit of this run had a second key
};
