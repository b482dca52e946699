// TExtStringGrid: the grid timer (every 500 ms: the cell under a hovering mouse becomes
// current, blink tags change phase, animated pictures step) and wheel panning with the middle
// button, driven by a 10 ms timer from the press until the next button or key.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/Lines.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/Mouse.h"
#include "components/grid/grid/input/PanMath.h"
#include "components/grid/grid/input/Timers.h"
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
  Timers timers(*this);
  // Any timer makes one panning step while panning runs.
  if (d_->input->Panning) timers.PanStep();
  if (TimerID == kPanTimer) return;
  if (TimerID != kGridTimer) return Mouse(*this).MoveTimer(TimerID);
  timers.HoverStep();
  timers.BlinkStep();
  if (GetPictureCache()->Animate()) Invalidate();
}

void TExtStringGrid::Timers::HoverStep() {
  if (!g.Hovering || g.GetComponentState().Contains(csDesigning) || !g.GetVisible()) return;
  TPoint at;
  GetCursorPos(at);
  at = g.ScreenToClient(at);
  if (at.x < 0 || at.y < 0 || at.x >= g.GetClientWidth() || at.y >= g.GetClientHeight()) return;
  const TGridCoord cell = g.MouseCoord(at.x, at.y);
  if (cell.X < g.GetFixedCols() || cell.Y < g.GetFixedRows()) return;
  if (cell.X >= g.GetColCount() || cell.Y >= g.GetRowCount()) return;
  if (g.CanFocus() && !g.Focused()) g.SetFocus();
  g.SetRow(cell.Y);
  g.SetCol(cell.X);
}

bool TExtStringGrid::GetBlinkOn() const { return d_->input->BlinkOn; }
bool TExtStringGrid::GetPanning() const { return d_->input->Panning; }

void TExtStringGrid::Timers::BlinkStep() {
  if (!g.EnableBlink) return;
  g.d_->input->BlinkOn = !g.d_->input->BlinkOn;
  const int lastRow = std::min(g.GetTopRow() + g.GetVisibleRowCount(), g.GetRowCount() - 1);
  const int lastCol = std::min(g.GetLeftCol() + g.GetVisibleColCount(), g.GetColCount() - 1);
  auto repaint = [this](int c, int r) {
    if (HasBlinkTag(g.GetCellEx(c, r))) g.RepaintCell(c, r);
  };
  for (int r = g.GetTopRow(); r <= lastRow; ++r)
    for (int c = g.GetLeftCol(); c <= lastCol; ++c) repaint(c, r);
  for (int r = 0; r < g.GetFixedRows(); ++r)
    for (int c = g.GetLeftCol(); c <= lastCol; ++c) repaint(c, r);
  for (int c = 0; c < g.GetFixedCols(); ++c)
    for (int r = g.GetTopRow(); r <= lastRow; ++r) repaint(c, r);
}

void TExtStringGrid::Timers::StartPanning(TPoint Origin) {
  g.d_->input->PanCursor = g.GetCursor();
  g.SetCursor(PanCursorShape(8000));
  g.SetTimer(kPanTimer, kPanInterval);
  g.IntelliPanOrigin = Origin;
  g.d_->input->PanHint = g.GetShowHint();
  g.SetShowHint(false);
  g.d_->input->Panning = true;
  g.DrawIntelliFocusPoint();
}

void TExtStringGrid::Timers::EndPanning() {
  g.KillTimer(kPanTimer);
  g.SetCursor(g.d_->input->PanCursor);
  g.SetShowHint(g.d_->input->PanHint);
  g.d_->input->Panning = false;
  g.EraseIntelliFocusPoint();
}

void TExtStringGrid::Timers::PanStep() {
  TPoint mouse;
  GetCursorPos(mouse);
  const TPoint direction = PanDirection(g.ScreenToClient(mouse), g.IntelliPanOrigin, g.IntelliPan);
  const int firstRow = g.GetFixedRows(), lastRow = Lines::LastNormalRow(g);
  const int firstCol = g.GetFixedCols(), lastCol = Lines::LastNormalCol(g);
  if (lastRow < firstRow || lastCol < firstCol) return;
  int row = std::clamp(g.GetRow(), firstRow, lastRow);
  int col = std::clamp(g.GetCol(), firstCol, lastCol);
  if ((direction.x < 0 && col > firstCol) || (direction.x > 0 && col < lastCol)) col += direction.x;
  if ((direction.y < 0 && row > firstRow) || (direction.y > 0 && row < lastRow)) row += direction.y;
  const bool outOfView = row < g.GetTopRow() || row >= g.GetTopRow() + g.GetVisibleRowCount() ||
                         col < g.GetLeftCol() || col >= g.GetLeftCol() + g.GetVisibleColCount();
  if (outOfView) g.EraseIntelliFocusPoint();
  if (row != g.GetRow()) g.SetRow(row);
  if (col != g.GetCol()) g.SetCol(col);
  g.SetCursor(PanCursorShape(PanCursor(direction)));
  g.DrawIntelliFocusPoint();
}

void TExtStringGrid::WMMButtonDown(TWMMouse& Message) {
  if (d_->input->Panning)
    Timers(*this).EndPanning();
  else if (IntelliPan != ipNone && GetRowCount() > GetFixedRowsEx() + GetFixedFooters())
    Timers(*this).StartPanning(TPoint(Message.XPos, Message.YPos));
  TBaseGrid::WMMButtonDown(Message);
}
