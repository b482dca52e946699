// TExtStringGrid: the sorts. The quick sort partitions around a copy of the middle row kept
// in a spare row below the grid, so partitioning never moves it, and rows trade places whole
// in the cell store. While a sort runs, three spare rows stand below the rows and the hidden
// columns are shown, so hidden cells travel with their rows; both are undone when it ends,
// also when a handler raises.
#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/core/SortRun.h"
#include "components/grid/core/SortState.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/SortColumns.h"
#include "components/grid/grid/Sorting.h"
#include "components/grid/grid/UpdateScope.h"
#include "components/grid/grid/cells/Lines.h"
#include "platform/core/invariant.h"

namespace {

constexpr const char* kNoSortIndexes = "No indexes specified for indexed sort";

// Column 0 (texts and properties objects) kept in place while the rows are sorted under it.
// The copies hold the objects, so putting them back lets go of what the sort left there.
class ColumnAside {
 public:
  ColumnAside(TExtStringGrid& grid, bool keep) : grid_(grid) {
    if (!keep) return;
    for (int r = 0; r < grid.GetRowCount(); ++r)
      cells_.emplace_back(grid.Cells(0, r), TCellPropertiesRef(grid.FindCellProperties(0, r)));
  }
  ~ColumnAside() {
    for (std::size_t r = 0; r < cells_.size(); ++r) {
      grid_.SetCells(0, static_cast<int>(r), cells_[r].first);
      grid_.PutCellRef(0, static_cast<int>(r), std::move(cells_[r].second));
    }
  }
  ColumnAside(const ColumnAside&) = delete;
  ColumnAside& operator=(const ColumnAside&) = delete;

 private:
  TExtStringGrid& grid_;
  std::vector<std::pair<AnsiString, TCellPropertiesRef>> cells_;
};

}  // namespace

// One sort: the column it compares first, its direction and kind. The outermost pass owns
// the run: the columns' sort formats are read once each while it lives, and with Keys the
// cells' keys are made once each (a sort of many comparisons; not worth it for one), unless
// a display-text handler may change what a cell shows as it moves.
struct TExtStringGrid::Sorting::Pass {
  Pass(TExtStringGrid& grid, int column, bool indexed, bool keys = true)
      : grid(grid),
        column(column),
        indexed(indexed),
        direction(indexed ? 1 : Sorting(grid).DirectionFactor()),
        run(Enter(keys)) {}
  ~Pass() {
    run->Column = outerColumn;
    if (!own) return;
    Sorting(grid).FlushSortedRows();
    grid.d_->sort->Run = nullptr;
    CheckInvariant("sort cross reference", [&] { return grid.d_->sort->Fault(); });
  }
  Pass(const Pass&) = delete;
  Pass& operator=(const Pass&) = delete;

  TExtStringGrid& grid;
  const int column;
  const bool indexed;
  // What a comparison answers when the rows stand in the wrong order.
  const int direction;
  std::optional<TSortRun> own;  // the run, in the outermost pass
  int outerColumn = 0;          // the column the enclosing pass compares first
  TSortRun* const run;

 private:
  TSortRun* Enter(bool keys) {
    if (TSortRun* outer = grid.d_->sort->Run) {
      outerColumn = std::exchange(outer->Column, column);
      return outer;
    }
    outerColumn = column;
    const bool keysOn = keys && !grid.OnGetDisplText;
    return grid.d_->sort->Run = &own.emplace(keysOn, !grid.SortSettings.SingleColumn, column,
                                             grid.d_->sort->PendingRows);
  }
};

// Three spare rows below the rows (the pivot is the middle one) and the hidden columns shown.
class TExtStringGrid::Sorting::Space {
 public:
  explicit Space(TExtStringGrid& grid)
      : grid_(grid),
        rows_(grid.GetRowCount()),
        hidden_(grid.NumHiddenColumns()),
        lastWidth_(grid.GetColCount() > 0 ? grid.ColWidths(grid.GetColCount() - 1) : 0) {
    grid.SetRowCount(rows_ + kSpare);
    grid.SetDataRowCount(rows_);
    // What the store still held below the rows must not be mistaken for the pivot's.
    grid.ClearPropRect(0, rows_, INT_MAX, rows_ + kSpare - 1);
    DropSpareRows();
    if (hidden_ > 0) grid.SetColCount(grid.GetColCount() + hidden_);
  }
  ~Space() {
    Sorting(grid_).FlushSortedRows();
    DropSpareRows();  // their objects are the real rows'
    grid_.Invalidate();
    if (hidden_ > 0) grid_.SetColCount(grid_.GetColCount() - hidden_);
    if (grid_.GetColCount() > 0) grid_.SetColWidths(grid_.GetColCount() - 1, lastWidth_);
    grid_.SetRowCount(rows_);
    grid_.CheckReferences();
  }
  Space(const Space&) = delete;
  Space& operator=(const Space&) = delete;

  int Rows() const { return rows_; }

 private:
  static constexpr int kSpare = 3;
  TExtStringGrid& grid_;
  const int rows_;
  const int hidden_;
  const int lastWidth_;

  void DropSpareRows() {
    for (int r = rows_; r < rows_ + kSpare; ++r) grid_.DropRowCells(r);
  }
};

// --- the quick sort --------------------------------------------------------------------------

// Inline in the quick sort's loops: it runs for every comparison.
inline int TExtStringGrid::Sorting::PassCompare(const Pass& P, int ARow1, int ARow2) {
  return P.indexed ? Columns::LineIndexed(g, P.run, 0, ARow1, ARow2)
                   : Columns::Line(g, P.run, P.column, ARow1, ARow2);
}

void TExtStringGrid::Sorting::CopyPivotRow(int ARow, int Pivot) {
  TSortRun& run = *g.d_->sort->Run;
  run.Keys.Copy(ARow, Pivot);
  if (run.Deferred()) {
    run.HoldPivot(ARow, Pivot);
    return;
  }
  if (!g.OnGetDisplText) {
    g.CopyRowCells(ARow, Pivot);
    return;
  }
  for (int c = 0; c < g.GetColCount(); ++c) g.SetCellEx(c, Pivot, g.GetCellEx(c, ARow));
}

// Moves the cells of the rows the sort has exchanged so far, and from then on moves them at
// once: for a comparison that reads the cells, and when the sort ends.
void TExtStringGrid::Sorting::FlushSortedRows() {
  TSortRun* run = g.d_->sort->Run;
  if (!run) return;
  const std::vector<int>& pending = run->StopDeferring();
  if (!pending.empty()) {
    const auto count = static_cast<int>(pending.size());
    std::vector<int> heights(pending.size());
    for (int r = 0; r < count; ++r) heights[r] = g.RowHeights(r);
    g.PermuteRowCells(pending);
    for (int r = 0; r < std::min(count, g.GetRowCount()); ++r)
      if (heights[pending[r]] != heights[r]) g.SetRowHeights(r, heights[pending[r]]);
    run->DropPending();
  }
  const auto [from, row] = run->TakePivot();
  if (from >= 0 && row < g.GetRowCount()) g.CopyRowCells(from, row);
}

// The rows' keys move as SortSwapRows moves their cells.
void TExtStringGrid::Sorting::SwapSortedRows(int ARow1, int ARow2) {
  TSortRun& run = *g.d_->sort->Run;
  g.SortSwapRows(ARow1, ARow2);
  if (g.SortSettings.SingleColumn)
    run.Keys.SwapIn(run.Column, ARow1, ARow2);
  else
    run.Keys.Swap(ARow1, ARow2);
}

void TExtStringGrid::Sorting::QuickSortRows(const Pass& P, int L, int R) {
  const int pivot = g.GetRowCount() - 2;
  const int d = P.direction;
  while (L < R) {
    CopyPivotRow((L + R) / 2, pivot);
    int i = L, j = R;
    do {
      while (PassCompare(P, pivot, i) == d && i < R) ++i;
      while (PassCompare(P, j, pivot) == d && j > L) --j;
      if (i <= j) {
        // Rows that tie are left where they meet; the indexed sort swaps them all the same.
        if (i != j && (P.indexed || PassCompare(P, i, j) != 0)) SwapSortedRows(i, j);
        ++i;
        --j;
      }
    } while (i <= j);
    // The smaller part is sorted by a call, the larger one by this loop: the depth of the
    // calls stays below 32 whatever the rows hold.
    if (j - L < R - i) {
      if (L < j) QuickSortRows(P, L, j);
      L = i;
    } else {
      if (i < R) QuickSortRows(P, i, R);
      R = j;
    }
  }
}

void TExtStringGrid::SortSwapRows(int ARow1, int ARow2) {
  // Read once: the sort swaps millions of rows.
  TSortState& sort = *d_->sort;
  sort.SwapXRef(ARow1, ARow2);
  TSortRun* run = sort.Run;
  Lines lines(*this);
  if (SortSettings.SingleColumn) {
    const int col = run ? run->Column : SortSettings.GetColumn();
    lines.ExchangeCells(col, ARow1, col, ARow2);
    return;
  }
  if (MouseActions.DisjunctRowSelect) lines.ExchangeRowSelect(ARow1, ARow2);
  if (run && run->Deferred())
    run->Exchange(ARow1, ARow2, GetRowCount());
  else
    lines.ExchangeRows(ARow1, ARow2);
  if (run) run->Follow(ARow1, ARow2);
}

// --- the sorts -------------------------------------------------------------------------------

void TExtStringGrid::Sorting::SortWhole(const Pass& P, bool KeepColumn0,
                                        const std::vector<TPoint>* Groups) {
  const int first = g.GetFixedRows();
  const int last = Lines::LastNormalRow(g);
  if (last - first < 1) return;
  ColumnAside column0(g, KeepColumn0 && g.SortSettings.NormalCellsOnly && g.GetFixedCols() > 0);
  TUpdateScope lock(g);
  Space space(g);
  // Moving the current row away and back is no click of the user's.
  const bool clickPending = g.ClickPending;
  const int current = g.GetRow();
  g.d_->sort->Run->RowFollow = current;
  if (g.Navigation.MoveRowOnSort) g.SetRow(space.Rows());
  if (Groups) {
    for (const TPoint& group : *Groups) QuickSortRows(P, group.x, group.y);
  } else {
    QuickSortRows(P, first, last);
  }
  FlushSortedRows();
  const int target = g.Navigation.MoveRowOnSort ? g.d_->sort->Run->RowFollow : current;
  if (g.GetRow() != target && target >= 0) g.SetRow(target);
  g.ClickPending = clickPending;
}

void TExtStringGrid::QSort() {
  SortIndexes.Clear();
  Sorting::Pass pass(*this, SortSettings.GetColumn(), false);
  Sorting(*this).SortWhole(pass, true);
}

// The rows between two node rows (the last group up to the last normal row) are a group;
// the node rows stay where they are.
void TExtStringGrid::QSortGroup() {
  std::vector<TPoint> groups;
  int node = -1;
  for (int r = GetFixedRows(); r <= Lines::LastNormalRow(*this) + 1; ++r) {
    if (r <= Lines::LastNormalRow(*this) && !IsNode(r)) continue;
    if (node >= 0 && r - node > 2) groups.emplace_back(node + 1, r - 1);
    node = r;
  }
  SortIndexes.Clear();
  Sorting::Pass pass(*this, SortSettings.GetColumn(), false);
  Sorting(*this).SortWhole(pass, true, &groups);
}

void TExtStringGrid::QSortIndexed() {
  if (SortIndexes.Count() == 0) throw EExtGridError(kNoSortIndexes);
  Sorting::Pass pass(*this, TSortIndexList::Column(SortIndexes.Items(0)), true);
  Sorting(*this).SortWhole(pass, false);
}

void TExtStringGrid::QuickSort(int ACol, int Left, int Right) {
  Sorting sorting(*this);
  Sorting::Pass pass(*this, ACol, false);
  Sorting::Space space(*this);
  // The spare rows below are the sort's own.
  sorting.QuickSortRows(pass, std::max(Left, 0), std::min(Right, space.Rows() - 1));
  sorting.FlushSortedRows();
}

void TExtStringGrid::QuickSortIndexed(int Left, int Right) {
  const int col = SortIndexes.Count() > 0 ? TSortIndexList::Column(SortIndexes.Items(0))
                                          : SortSettings.GetColumn();
  Sorting sorting(*this);
  Sorting::Pass pass(*this, col, true);
  Sorting::Space space(*this);
  sorting.QuickSortRows(pass, std::max(Left, 0), std::min(Right, space.Rows() - 1));
  sorting.FlushSortedRows();
}

void TExtStringGrid::SortByColumn(int ACol) {
  if (GetRowCount() < 2) return;
  Sorting sorting(*this);
  Sorting::Pass pass(*this, ACol, false);
  TUpdateScope lock(*this);
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int r = GetFixedRows(); r <= GetRowCount() - 2 - GetFixedFooters(); ++r) {
      if (Compare(ACol, r, r + 1) != pass.direction) continue;
      sorting.SwapSortedRows(r, r + 1);
      swapped = true;
    }
  }
  sorting.FlushSortedRows();
}

bool TExtStringGrid::SortLine(int ACol, int ARow1, int ARow2) {
  // A row outside the grid has no place to swap with: its cells and select state would be lost.
  if (!Lines::TwoLines(ARow1, ARow2, GetRowCount())) return false;
  Sorting::Pass pass(*this, ACol, false, false);
  for (int col = ACol; col < GetColCount() + NumHiddenColumns(); ++col) {
    const int result = Compare(col, ARow1, ARow2);
    if (result == pass.direction) {
      SortSwapRows(ARow1, ARow2);
      InvalidateRow(ARow1);
      InvalidateRow(ARow2);
      return true;
    }
    if (result != 0) return false;
  }
  return false;
}

// --- the cross reference ---------------------------------------------------------------------

void TExtStringGrid::InitSortXRef() { d_->sort->InitXRef(GetRowCount()); }

int TExtStringGrid::SortedRowIndex(int ARow) const { return RemapRow(d_->sort->PlaceBefore(ARow)); }

int TExtStringGrid::UnSortedRowIndex(int ARow) const { return d_->sort->PlaceNow(ARow); }

int TExtStringGrid::GetLastSortTime() const { return d_->sort->LastSortTime; }

namespace {
// Where the row that stood at ARow before sorting stands now; rows beyond the list stay.
int UnsortedRow(const TSortState& state, int ARow) {
  return state.XRefCovers(ARow) ? state.PlaceNow(ARow) : ARow;
}
}  // namespace

AnsiString TExtStringGrid::GetUnSortedCell(int ACol, int ARow) {
  return GetCellEx(ACol, UnsortedRow(*d_->sort, ARow));
}

void TExtStringGrid::SetUnSortedCell(int ACol, int ARow, const AnsiString& Value) {
  SetCellEx(ACol, UnsortedRow(*d_->sort, ARow), Value);
}
