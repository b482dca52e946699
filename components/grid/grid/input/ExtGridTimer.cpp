// TExtStringGrid: the grid timer (every 500 ms: the cell under a hovering mouse becomes
// current, blink tags change phase, animated pictures step) and wheel panning with the middle
// button, driven by a 10 ms timer from the press until the next button or key.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/Lines.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/PanMath.h"
#include "platform/controls/screen.h"

namespace {
constexpr int kGridTimer = 111;
constexpr int kPanTimer = 999;
constexpr int kPanInterval = 10;

// The panning cursors' pictures: the system's sizing arrows for each direction.
TCursor PanCursorShape(int Resource) {
  switch (Resource) {
    case 8001: case 8004: return crSizeNS;
    case 8002: case 8003: return crSizeWE;
    case 8005: case 8008: return crSizeNESW;
    case 8006: case 8007: return crSizeNWSE;
    default: return crSizeAll;
  }
}

bool HasBlinkTag(const AnsiString& Text) {
  return Text.find('<') != AnsiString::npos && UpperCase(Text).find("<BLI") != AnsiString::npos;
}
}  // namespace

void TExtStringGrid::WMTimer(int TimerID) {
  // Any timer makes one panning step while panning runs.
  if (input_->Panning) PanStep();
  if (TimerID == kPanTimer) return;
  if (TimerID != kGridTimer) return MoveTimer(TimerID);
  HoverStep();
  BlinkStep();
  if (GetPictureCache()->Animate()) Invalidate();
}

void TExtStringGrid::HoverStep() {
  if (!Hovering || GetComponentState().Contains(csDesigning) || !GetVisible()) return;
  TPoint at;
  GetCursorPos(at);
  at = ScreenToClient(at);
  if (at.x < 0 || at.y < 0 || at.x >= GetClientWidth() || at.y >= GetClientHeight()) return;
  const TGridCoord cell = MouseCoord(at.x, at.y);
  if (cell.X < GetFixedCols() || cell.Y < GetFixedRows()) return;
  if (cell.X >= GetColCount() || cell.Y >= GetRowCount()) return;
  if (CanFocus() && !Focused()) SetFocus();
  SetRow(cell.Y);
  SetCol(cell.X);
}

bool TExtStringGrid::GetBlinkOn() const { return input_->BlinkOn; }
bool TExtStringGrid::GetPanning() const { return input_->Panning; }

void TExtStringGrid::BlinkStep() {
  if (!EnableBlink) return;
  input_->BlinkOn = !input_->BlinkOn;
  const int lastRow = std::min(GetTopRow() + GetVisibleRowCount(), GetRowCount() - 1);
  const int lastCol = std::min(GetLeftCol() + GetVisibleColCount(), GetColCount() - 1);
  auto repaint = [this](int c, int r) {
    if (HasBlinkTag(GetCellEx(c, r))) RepaintCell(c, r);
  };
  for (int r = GetTopRow(); r <= lastRow; ++r)
    for (int c = GetLeftCol(); c <= lastCol; ++c) repaint(c, r);
  for (int r = 0; r < GetFixedRows(); ++r)
    for (int c = GetLeftCol(); c <= lastCol; ++c) repaint(c, r);
  for (int c = 0; c < GetFixedCols(); ++c)
    for (int r = GetTopRow(); r <= lastRow; ++r) repaint(c, r);
}

void TExtStringGrid::StartPanning(TPoint Origin) {
  input_->PanCursor = GetCursor();
  SetCursor(PanCursorShape(8000));
  SetTimer(kPanTimer, kPanInterval);
  IntelliPanOrigin = Origin;
  input_->PanHint = GetShowHint();
  SetShowHint(false);
  input_->Panning = true;
  DrawIntelliFocusPoint();
}

void TExtStringGrid::EndPanning() {
  KillTimer(kPanTimer);
  SetCursor(input_->PanCursor);
  SetShowHint(input_->PanHint);
  input_->Panning = false;
  EraseIntelliFocusPoint();
}

void TExtStringGrid::PanStep() {
  TPoint mouse;
  GetCursorPos(mouse);
  const TPoint direction = PanDirection(ScreenToClient(mouse), IntelliPanOrigin, IntelliPan);
  const int firstRow = GetFixedRows(), lastRow = Lines::LastNormalRow(*this);
  const int firstCol = GetFixedCols(), lastCol = Lines::LastNormalCol(*this);
  if (lastRow < firstRow || lastCol < firstCol) return;
  int row = std::clamp(GetRow(), firstRow, lastRow);
  int col = std::clamp(GetCol(), firstCol, lastCol);
  if ((direction.x < 0 && col > firstCol) || (direction.x > 0 && col < lastCol)) col += direction.x;
  if ((direction.y < 0 && row > firstRow) || (direction.y > 0 && row < lastRow)) row += direction.y;
  const bool outOfView = row < GetTopRow() || row >= GetTopRow() + GetVisibleRowCount() ||
                         col < GetLeftCol() || col >= GetLeftCol() + GetVisibleColCount();
  if (outOfView) EraseIntelliFocusPoint();
  if (row != GetRow()) SetRow(row);
  if (col != GetCol()) SetCol(col);
  SetCursor(PanCursorShape(PanCursor(direction)));
  DrawIntelliFocusPoint();
}

void TExtStringGrid::WMMButtonDown(TWMMouse& Message) {
  if (input_->Panning)
    EndPanning();
  else if (IntelliPan != ipNone && GetRowCount() > GetFixedRowsEx() + GetFixedFooters())
    StartPanning(TPoint(Message.XPos, Message.YPos));
  TBaseGrid::WMMButtonDown(Message);
}
