#include "platform/grids/string_grid.h"

#include <utility>

#include "platform/grids/inplace_edit.h"

namespace {
constexpr int kTextOffset = 2;
}

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {
  cells_.SetRowWidthHint(GetColCount());
}

void TStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  cells_.SetRowWidthHint(GetColCount());
  TDrawGrid::SizeChanged(OldColCount, OldRowCount);
}

void TStringGrid::SetCells(int ACol, int ARow, AnsiString Value) {
  cells_.SetText(ACol, ARow, std::move(Value));
  InvalidateCell(ACol, ARow);
  if (!fromEditor_ && GetEditorMode() && ACol == GetCol() && ARow == GetRow()) InvalidateEditor();
}

void TStringGrid::SetRowCells(int ARow, std::span<const std::string_view> Values) {
  if (Values.empty()) return;
  const int last = static_cast<int>(Values.size()) - 1;
  cells_.SetRowTexts(ARow, Values);
  // The editor writes single cells only, so no write here is its own to spare a reload.
  CellTextsStored({0, ARow, last, ARow});
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
  cells_.SetObject(ACol, ARow, Value);
}

void TStringGrid::SwapRowCells(int ARow1, int ARow2) { cells_.SwapRows(ARow1, ARow2); }

void TStringGrid::CopyRowCells(int FromRow, int ToRow) { cells_.CopyRow(FromRow, ToRow); }

void TStringGrid::DropRowCells(int ARow) { cells_.ClearRow(ARow); }

void TStringGrid::PermuteRowCells(const std::vector<int>& Order) { cells_.PermuteRows(Order); }

void TStringGrid::SwapColCells(int ACol1, int ACol2) {
  cells_.SwapColumns(ACol1, ACol2, 0, GetRowCount() - 1);
  CellTextsStored({ACol1, 0, ACol1, GetRowCount() - 1});
  CellTextsStored({ACol2, 0, ACol2, GetRowCount() - 1});
}

void TStringGrid::RotateColCells(int First, int Middle, int Last) {
  cells_.RotateColumns(First, Middle, Last, 0, GetRowCount() - 1);
  CellTextsStored({First, 0, Last - 1, GetRowCount() - 1});
}

// As writing each cell would: the cells repaint, and the editor reloads on the current one.
void TStringGrid::CellTextsStored(const TGridRect& R) {
  InvalidateRect(R);
  if (GetEditorMode() && GetCol() >= R.Left && GetCol() <= R.Right && GetRow() >= R.Top &&
      GetRow() <= R.Bottom)
    InvalidateEditor();
}

void TStringGrid::ClearCellTexts(const TGridRect& R, TGridCells::Capacity capacity) {
  cells_.ClearTexts(R, capacity);
  CellTextsStored(R);
}

TGridLineStrings TStringGrid::Cols(int index) {
  return TGridLineStrings(cells_, TGridLineStrings::Column, index, GetRowCount());
}

TGridLineStrings TStringGrid::Rows(int index) {
  return TGridLineStrings(cells_, TGridLineStrings::Row, index, GetColCount());
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  const AnsiString& text = cells_.Text(ACol, ARow);
  if (GetDefaultDrawing() && !text.empty()) {
    GetCanvas()->Brush->SetStyle(bsClear);
    GetCanvas()->TextRect(ARect, ARect.Left + kTextOffset, ARect.Top + kTextOffset, text);
  }
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

AnsiString TStringGrid::GetEditText(int ACol, int ARow) {
  AnsiString text = cells_.Text(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TStringGrid::SetEditText(int ACol, int ARow, const AnsiString& Value) {
  if (Value != cells_.Text(ACol, ARow)) {
    fromEditor_ = true;
    SetCells(ACol, ARow, Value);
    fromEditor_ = false;
  }
  TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  cells_.MoveColumn(FromIndex, ToIndex);
  TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
  cells_.MoveRow(FromIndex, ToIndex);
  TDrawGrid::RowMoved(FromIndex, ToIndex);
}
