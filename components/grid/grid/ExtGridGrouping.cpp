// TExtStringGrid: grouping by a column. The rows are sorted by it, a node row with the value
// goes before each run of equal values, and the column leaves the grid; ungrouping brings it
// back from the node rows and removes them.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/Nodes.h"
#include "components/grid/grid/UpdateScope.h"
#include "components/grid/grid/cells/LineState.h"
#include "components/grid/grid/cells/Lines.h"
#include "platform/core/format.h"

int TExtStringGrid::GetGroupColumn() const { return d_->lines->GroupColumn; }

void TExtStringGrid::SetGroupColumn(int Value) {
  if (Value == -1)
    UnGroup();
  else if (Value > 0)
    Group(Value);
}

void TExtStringGrid::Group(int ACol) {
  if (ACol < GetFixedCols() || ACol >= GetColCount()) return;
  UnGroup();
  TUpdateScope lock(*this);
  d_->lines->GroupColumn = ACol;
  d_->lines->GroupWidth = ColWidths(ACol);
  if (GetFixedRows() > 0) d_->lines->GroupHeader = Cells(ACol, 0);
  // The footer rows are no group; their cells of the column come back with it.
  d_->lines->GroupFooters.clear();
  for (int r = Lines::LastNormalRow(*this) + 1; r < GetRowCount(); ++r)
    d_->lines->GroupFooters.push_back(GetCellEx(ACol, r));
  SortSettings.SetColumn(ACol);
  QSort();
  d_->lines->GroupTextColumn = GetFixedCols() == ACol ? ACol + 1 : GetFixedCols();
  AnsiString previous;
  int nodeRow = -1;
  for (int r = GetFixedRows(); r <= Lines::LastNormalRow(*this); ++r) {
    const AnsiString value = GetCellEx(ACol, r);
    if (nodeRow >= 0 && value == previous) continue;
    if (nodeRow >= 0) AddNode(RemapRowInv(nodeRow), r - nodeRow);
    InsertRows(r, 1);
    SetCellEx(d_->lines->GroupTextColumn, r, value);
    nodeRow = r++;
    previous = value;
  }
  if (nodeRow >= 0) AddNode(RemapRowInv(nodeRow), Lines::LastNormalRow(*this) + 1 - nodeRow);
  RemoveCols(ACol, 1);
  if (GetFixedRows() < GetRowCount()) SetRow(GetFixedRows());
}

// The values are read from the column Group wrote them to.
void TExtStringGrid::UnGroup() {
  if (d_->lines->GroupColumn < 0) return;
  TUpdateScope lock(*this);
  ExpandAll();
  // The grid may have lost columns since: the column comes back at its end then.
  d_->lines->GroupColumn = std::min(d_->lines->GroupColumn, GetColCount() + NumHiddenColumns());
  InsertCols(d_->lines->GroupColumn, 1);
  const int shown = RemapColInv(d_->lines->GroupColumn);
  if (shown < GetColCount()) SetColWidths(shown, d_->lines->GroupWidth);
  if (GetFixedRows() > 0) SetCells(d_->lines->GroupColumn, 0, d_->lines->GroupHeader);
  AnsiString value;
  for (int r = GetFixedRows(); r <= Lines::LastNormalRow(*this);) {
    if (!IsNode(r)) {
      SetCellEx(d_->lines->GroupColumn, r++, value);
      continue;
    }
    value = GetCellEx(d_->lines->GroupTextColumn, r);
    RemoveNode(RemapRowInv(r));
    RemoveRows(r, 1);
  }
  for (std::size_t i = 0; i < d_->lines->GroupFooters.size(); ++i)
    SetCellEx(d_->lines->GroupColumn, Lines::LastNormalRow(*this) + 1 + static_cast<int>(i),
              d_->lines->GroupFooters[i]);
  d_->lines->GroupColumn = -1;
}

void TExtStringGrid::Nodes::GroupStatistic(int ACol,
                                           const std::function<AnsiString(int From, int To)>& Of) {
  for (int r = g.GetFixedRows(); r <= Lines::LastNormalRow(g); ++r) {
    if (!g.IsNode(r)) continue;
    int next = r + 1;
    while (next <= Lines::LastNormalRow(g) && !g.IsNode(next)) ++next;
    g.SetCellEx(ACol, r, Of(r + 1, next - 1));
  }
}

namespace {

using Statistic = double (TExtStringGrid::*)(int ACol, int FromRow, int ToRow);

// A group's statistic of column ACol as the grid writes floats.
std::function<AnsiString(int, int)> FloatsOf(TExtStringGrid& Grid, int ACol, Statistic Of) {
  return [&Grid, ACol, Of](int From, int To) {
    return Format(Grid.FloatFormat, (Grid.*Of)(ACol, From, To));
  };
}

}  // namespace

void TExtStringGrid::GroupSum(int ACol) {
  Nodes(*this).GroupStatistic(ACol, FloatsOf(*this, ACol, &TExtStringGrid::ColumnSum));
}

void TExtStringGrid::GroupAvg(int ACol) {
  Nodes(*this).GroupStatistic(ACol, FloatsOf(*this, ACol, &TExtStringGrid::ColumnAvg));
}

void TExtStringGrid::GroupMin(int ACol) {
  Nodes(*this).GroupStatistic(ACol, FloatsOf(*this, ACol, &TExtStringGrid::ColumnMin));
}

void TExtStringGrid::GroupMax(int ACol) {
  Nodes(*this).GroupStatistic(ACol, FloatsOf(*this, ACol, &TExtStringGrid::ColumnMax));
}

void TExtStringGrid::GroupCount(int ACol) {
  Nodes(*this).GroupStatistic(ACol, [](int From, int To) { return IntToStr(To - From + 1); });
}
