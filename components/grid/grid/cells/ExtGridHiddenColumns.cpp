// TExtStringGrid: hidden columns. The column map keeps which real columns are hidden and
// their widths; hiding and showing move the shown columns' widths and the column count.
#include <algorithm>

#include "components/grid/core/ColumnMap.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/Lines.h"

bool TExtStringGrid::IsHiddenColumn(int RealCol) const { return d_->columns->IsHidden(RealCol); }

int TExtStringGrid::NumHiddenColumns() const { return d_->columns->HiddenCount(); }

int TExtStringGrid::CellColCount() const { return GetColCount() + d_->columns->HiddenCount(); }

void TExtStringGrid::SetVisibleCol(int RealCol, bool Shown) {
  d_->columns->SetHidden(RealCol, !Shown);
}

int TExtStringGrid::RemapCol(int DisplayCol) const { return d_->columns->RealCol(DisplayCol); }

int TExtStringGrid::RemapColInv(int RealCol) const { return d_->columns->DisplayCol(RealCol); }

std::pair<int, int> TExtStringGrid::Lines::StoredSpan(const TExtStringGrid& Grid, int First,
                                                      int Last) {
  if (Last < First) return {First, Last};
  return {Grid.RemapCol(First), Grid.RemapCol(Last)};
}

void TExtStringGrid::HideColumns(int FromCol, int ToCol) {
  HideInplaceEdit();
  const int last = std::min(ToCol, TColumnMap::kHideable - 1);
  for (int c = std::max(FromCol, 0); c <= last; ++c) {
    if (IsHiddenColumn(c) || c >= CellColCount() || GetColCount() < 2) continue;
    const int shown = RemapColInv(c);
    SetAllColWidths(c, ColWidths(shown));
    for (int d = shown; d < GetColCount() - 1; ++d) SetColWidths(d, ColWidths(d + 1));
    d_->columns->SetHidden(c, true);
    SetColCount(GetColCount() - 1);
  }
  Invalidate();
}

void TExtStringGrid::UnHideColumns(int FromCol, int ToCol) {
  HideInplaceEdit();
  const int last = std::min(ToCol, TColumnMap::kHideable - 1);
  for (int c = std::max(FromCol, 0); c <= last; ++c) {
    if (!d_->columns->SetHidden(c, false)) continue;
    SetColCount(GetColCount() + 1);
    const int shown = RemapColInv(c);
    for (int d = GetColCount() - 1; d > shown; --d) SetColWidths(d, ColWidths(d - 1));
    SetColWidths(shown, GetAllColWidths(c));
  }
  Invalidate();
}

void TExtStringGrid::UnHideColumnsAll() { UnHideColumns(0, CellColCount()); }
