// TExtStringGrid: the sizes a mouse sizing sets, shown at the mouse as it goes, and the end of
// that sizing at the release.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/Mouse.h"
#include "components/grid/html/HTMLHintWindow.h"

namespace {
constexpr int kHintMaxWidth = 100;
}  // namespace

TExtStringGrid::Mouse::ClickParking::ClickParking(TNotifyEvent& Event, bool Park)
    : event_(Park ? &Event : nullptr) {
  if (event_) parked_ = std::exchange(*event_, nullptr);
}

TExtStringGrid::Mouse::ClickParking::~ClickParking() {
  if (event_) *event_ = std::move(parked_);
}

// A release in the header under the column-sizing cursor ended a sizing, not a click.
TExtStringGrid::Mouse::ClickParking TExtStringGrid::Mouse::ReleaseSizing(int X, int Y) {
  ReleaseFixedButton();
  if (g.d_->input->SizingMouse.hintShown) g.d_->input->HintWindow->ReleaseHandle();
  g.d_->input->SizingMouse.hintShown = false;
  const TGridCoord cell = g.MouseCoord(X, Y);
  const bool sizingCursor = g.GetClientCursor() == crHSplit && g.GetOptions().Contains(goColSizing);
  return ClickParking(g.OnClick, sizingCursor && cell.Y >= 0 && cell.Y < g.GetFixedRows());
}

void TExtStringGrid::Mouse::ShowSizingHint(int X, int Y) {
  if (!g.HintShowSizing && !g.GetComponentState().Contains(csDesigning)) return;
  const int size = g.GetSizingSize();
  const int fixedSizingX = g.d_->input->Mouse.fixedSizingX;
  AnsiString text;
  if (fixedSizingX >= 0)
    text = IntToStr(fixedSizingX);
  else if (size >= 0 && g.GetGridState() == gsColSizing)
    text = "cw=<b>" + IntToStr(size) + "</b>";
  else if (size >= 0 && g.GetGridState() == gsRowSizing)
    text = "rh=<b>" + IntToStr(size) + "</b>";
  else
    return;
  ShowHintAt(g.ClientToScreen(TPoint(X, Y)), text);
  g.d_->input->SizingMouse.hintShown = true;
}

// Under mouse capture X may lie left of the grid: a width is never negative.
void TExtStringGrid::Mouse::FixedColSizingMove(int X, int Y) {
  MoveFixedColLine(std::max(X, 0));
  ShowSizingHint(X, Y);
}

void TExtStringGrid::Mouse::ShowHintAt(TPoint Screen, const AnsiString& Text) {
  THTMLHintWindow& hint = *g.d_->input->HintWindow;
  TRect r = hint.CalcHintRect(kHintMaxWidth, Text, nullptr);
  OffsetRect(r, Screen.x, Screen.y);
  hint.SetColor(g.HintColor);
  hint.ActivateHint(r, Text);
}
