// TExtStringGrid: hidden columns. The column map keeps which real columns are hidden and
// their widths; hiding and showing move the shown columns' widths and the column count.
#include <algorithm>

#include "components/grid/core/ColumnMap.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/Lines.h"

bool TExtStringGrid::IsHiddenColumn(int RealCol) const { return columns_->IsHidden(RealCol); }

int TExtStringGrid::NumHiddenColumns() const { return columns_->HiddenCount(); }

int TExtStringGrid::CellColCount() const { return GetColCount() + columns_->HiddenCount(); }

void TExtStringGrid::SetVisibleCol(int RealCol, bool Shown) {
  columns_->SetHidden(RealCol, !Shown);
}

int TExtStringGrid::RemapCol(int DisplayCol) const { return columns_->RealCol(DisplayCol); }

int TExtStringGrid::RemapColInv(int RealCol) const { return columns_->DisplayCol(RealCol); }

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
    columns_->SetHidden(c, true);
    SetColCount(GetColCount() - 1);
  }
  Invalidate();
}

void TExtStringGrid::UnHideColumns(int FromCol, int ToCol) {
  HideInplaceEdit();
  const int last = std::min(ToCol, TColumnMap::kHideable - 1);
  for (int c = std::max(FromCol, 0); c <= last; ++c) {
    if (!columns_->SetHidden(c, false)) continue;
    SetColCount(GetColCount() + 1);
    const int shown = RemapColInv(c);
    for (int d = GetColCount() - 1; d > shown; --d) SetColWidths(d, ColWidths(d - 1));
    SetColWidths(shown, GetAllColWidths(c));
  }
  Invalidate();
}

void TExtStringGrid::UnHideColumnsAll() { UnHideColumns(0, CellColCount()); }
