// TExtStringGrid: hidden columns. The cells of a hidden column stay at their real column in
// the cell store; ColCount counts the shown columns, and a display column reaches its cells
// through RemapCol. Columns from 512 on never hide.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"

namespace {
constexpr int kHideableColumns = 512;
}  // namespace

bool TExtStringGrid::IsHiddenColumn(int RealCol) const {
  return RealCol >= 0 && RealCol < kHideableColumns && colHidden_[RealCol];
}

void TExtStringGrid::ColumnsHiddenChanged() {
  hiddenCols_ = static_cast<int>(std::count(colHidden_.begin(), colHidden_.end(), true));
  shownCols_.clear();
  if (hiddenCols_ == 0) return;
  for (int c = 0; c < kHideableColumns; ++c)
    if (!colHidden_[c]) shownCols_.push_back(c);
}

void TExtStringGrid::SetVisibleCol(int RealCol, bool Shown) {
  if (RealCol < 0 || RealCol >= kHideableColumns || colHidden_[RealCol] == !Shown) return;
  colHidden_[RealCol] = !Shown;
  ColumnsHiddenChanged();
}

int TExtStringGrid::RemapCol(int DisplayCol) const {
  if (hiddenCols_ == 0 || DisplayCol >= kHideableColumns) return DisplayCol;
  if (DisplayCol < 0 || DisplayCol >= static_cast<int>(shownCols_.size())) return 0;
  return shownCols_[DisplayCol];
}

int TExtStringGrid::RemapColInv(int RealCol) const {
  if (hiddenCols_ == 0 || RealCol <= 0) return RealCol;
  const int below = std::min(RealCol, kHideableColumns);
  return RealCol -
         static_cast<int>(std::count(colHidden_.begin(), colHidden_.begin() + below, true));
}

std::pair<int, int> TExtStringGrid::StoredSpan(int First, int Last) const {
  if (Last < First) return {First, Last};
  return {RemapCol(First), RemapCol(Last)};
}

void TExtStringGrid::HideColumns(int FromCol, int ToCol) {
  HideInplaceEdit();
  const int last = std::min(ToCol, kHideableColumns - 1);
  for (int c = std::max(FromCol, 0); c <= last; ++c) {
    if (colHidden_[c] || c >= GetColCount() + hiddenCols_ || GetColCount() < 2) continue;
    const int shown = RemapColInv(c);
    SetAllColWidths(c, ColWidths(shown));
    for (int d = shown; d < GetColCount() - 1; ++d) SetColWidths(d, ColWidths(d + 1));
    colHidden_[c] = true;
    ColumnsHiddenChanged();
    SetColCount(GetColCount() - 1);
  }
  Invalidate();
}

void TExtStringGrid::UnHideColumns(int FromCol, int ToCol) {
  HideInplaceEdit();
  const int last = std::min(ToCol, kHideableColumns - 1);
  for (int c = std::max(FromCol, 0); c <= last; ++c) {
    if (!colHidden_[c]) continue;
    colHidden_[c] = false;
    ColumnsHiddenChanged();
    SetColCount(GetColCount() + 1);
    const int shown = RemapColInv(c);
    for (int d = GetColCount() - 1; d > shown; --d) SetColWidths(d, ColWidths(d - 1));
    SetColWidths(shown, GetAllColWidths(c));
  }
  Invalidate();
}

void TExtStringGrid::UnHideColumnsAll() { UnHideColumns(0, GetColCount() + hiddenCols_); }

int TExtStringGrid::ShiftHiddenColumns(int ACol, int Delta) {
  if (hiddenCols_ == 0 || ACol >= kHideableColumns) return 0;
  const auto at = colHidden_.begin() + std::max(ACol, 0);
  int hiddenGone = 0;
  if (Delta > 0) {
    const int shift = std::min<int>(Delta, colHidden_.end() - at);
    std::copy_backward(at, colHidden_.end() - shift, colHidden_.end());
    std::fill(at, at + shift, false);
  } else if (Delta < 0) {
    const int shift = std::min<int>(-Delta, colHidden_.end() - at);
    hiddenGone = static_cast<int>(std::count(at, at + shift, true));
    std::copy(at + shift, colHidden_.end(), at);
    std::fill(colHidden_.end() - shift, colHidden_.end(), false);
  }
  ColumnsHiddenChanged();
  return hiddenGone;
}
