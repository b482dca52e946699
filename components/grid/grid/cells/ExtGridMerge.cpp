// TExtStringGrid: merging runs of equal neighbouring cells into blocks (the column merge of a
// sorted grid) and splitting blocks again, down a column or along a row alike.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/Lines.h"

// A row walks the stored columns between the first and the last shown normal one.
std::pair<int, int> TExtStringGrid::Lines::NormalRun(bool Down) {
  if (Down) return {g.GetFixedRows(), LastNormalRow(g)};
  return StoredSpan(g, g.GetFixedCols(), LastNormalCol(g));
}

void TExtStringGrid::Lines::MergeRuns(bool Down, int Line, bool MainMerge) {
  const auto [first, last] = NormalRun(Down);
  auto text = [&](int i) { return Down ? g.GetCellEx(Line, i) : g.GetCellEx(i, Line); };
  auto sameBlocks = [&](int i) {
    return MainMerge || (Down ? g.RowSpanIdentical(i - 1, i) : g.ColSpanIdentical(i - 1, i));
  };
  auto merge = [&](int start, int count) {
    Down ? g.MergeCells(Line, start, 1, count) : g.MergeCells(start, Line, count, 1);
  };
  int start = first;
  for (int i = first + 1; i <= last; ++i) {
    if (text(i) == text(i - 1) && sameBlocks(i)) continue;
    merge(start, i - start);
    start = i;
  }
  if (last - start > 0) merge(start, last - start + 1);
}

void TExtStringGrid::Lines::SplitRuns(bool Down, int Line) {
  const auto [first, last] = NormalRun(Down);
  for (int i = first; i <= last; ++i) {
    const int col = Down ? Line : i;
    const int row = Down ? i : Line;
    if (!g.IsMergedCell(col, row)) continue;
    const TRect block = g.FullCell(col, row);
    g.SplitCells(col, row);
    i = Down ? block.Bottom : block.Right;
  }
}

void TExtStringGrid::MergeColumnCells(int ACol, bool MainMerge) {
  Lines(*this).MergeRuns(true, ACol, MainMerge);
}
void TExtStringGrid::MergeRowCells(int ARow, bool MainMerge) {
  Lines(*this).MergeRuns(false, ARow, MainMerge);
}
void TExtStringGrid::SplitColumnCells(int ACol) { Lines(*this).SplitRuns(true, ACol); }
void TExtStringGrid::SplitRowCells(int ARow) { Lines(*this).SplitRuns(false, ARow); }

void TExtStringGrid::SplitAllCells() {
  for (int r = 0; r < GetRowCount(); ++r)
    for (int c = 0; c < CellColCount(); ++c)  // hidden columns' blocks too
      if (IsMergedCell(c, r)) SplitCells(c, r);
}
