// TExtStringGrid: the row and column count properties, the fixed lines' sizes, the footer rows
// and right fixed columns, the integral height and word wrap.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/LineState.h"
#include "components/grid/grid/editing/ExtInplaceEdit.h"

void TExtStringGrid::SetRowCountEx(int Value) {
  TBaseGrid::SetRowCount(Value);
  // A grid with fixed rows keeps them all: only one without any gets its fixed row.
  if (FixedRowAlways && GetRowCount() > 1 && GetFixedRows() == 0) SetFixedRows(1);
  FloatFooterUpdate();
}

void TExtStringGrid::SetColCountEx(int Value) {
  TBaseGrid::SetColCount(Value);
  if (FixedColAlways && GetColCount() > 1 && GetFixedCols() == 0) SetFixedCols(1);
  FloatFooterUpdate();
  SetBounds(GetLeft(), GetTop(), GetWidth(), GetHeight());
}

void TExtStringGrid::SetFixedColWidth(int Value) {
  for (int c = 0; c < GetFixedCols(); ++c) SetColWidths(c, Value);
}

void TExtStringGrid::SetFixedRowHeight(int Value) {
  for (int r = 0; r < GetFixedRows(); ++r) SetRowHeights(r, Value);
}

int TExtStringGrid::GetFixedFooters() const { return d_->lines->FixedFooters; }
int TExtStringGrid::GetFixedRightCols() const { return d_->lines->FixedRightCols; }
bool TExtStringGrid::GetIntegralHeight() const { return d_->lines->IntegralHeight; }

void TExtStringGrid::SetFixedFooters(int Value) {
  // A negative count would stretch the normal cells past the grid.
  d_->lines->FixedFooters = std::max(Value, 0);
  Invalidate();
}

void TExtStringGrid::SetFixedRightCols(int Value) {
  d_->lines->FixedRightCols = std::max(Value, 0);
  Invalidate();
}

void TExtStringGrid::SetIntegralHeight(bool Value) {
  d_->lines->IntegralHeight = Value;
  SetBounds(GetLeft(), GetTop(), GetWidth(), GetHeight());
}

void TExtStringGrid::SetWordWrap(bool Value) {
  WordWrap = Value;
  if (auto* editor = dynamic_cast<TExtInplaceEdit*>(GetInplaceEditor())) editor->WordWrap = Value;
  if (!GetLockFlag()) Invalidate();
}
