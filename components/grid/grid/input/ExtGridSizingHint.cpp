// TExtStringGrid: the sizes a mouse sizing sets, shown at the mouse as it goes, and the end of
// that sizing at the release.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/html/HTMLHintWindow.h"

namespace {
constexpr int kHintMaxWidth = 100;
}  // namespace

TExtStringGrid::ClickParking::ClickParking(TNotifyEvent& Event, bool Park)
    : event_(Park ? &Event : nullptr) {
  if (event_) parked_ = std::exchange(*event_, nullptr);
}

TExtStringGrid::ClickParking::~ClickParking() {
  if (event_) *event_ = std::move(parked_);
}

// A release in the header under the column-sizing cursor ended a sizing, not a click.
TExtStringGrid::ClickParking TExtStringGrid::ReleaseSizing(int X, int Y) {
  ReleaseFixedButton();
  if (input_->SizingMouse.hintShown) input_->HintWindow->ReleaseHandle();
  input_->SizingMouse.hintShown = false;
  const TGridCoord cell = MouseCoord(X, Y);
  const bool sizingCursor = GetClientCursor() == crHSplit && GetOptions().Contains(goColSizing);
  return ClickParking(OnClick, sizingCursor && cell.Y >= 0 && cell.Y < GetFixedRows());
}

void TExtStringGrid::ShowSizingHint(int X, int Y) {
  if (!HintShowSizing && !GetComponentState().Contains(csDesigning)) return;
  const int size = GetSizingSize();
  AnsiString text;
  if (input_->Mouse.fixedSizingX >= 0)
    text = IntToStr(input_->Mouse.fixedSizingX);
  else if (size >= 0 && GetGridState() == gsColSizing)
    text = "cw=<b>" + IntToStr(size) + "</b>";
  else if (size >= 0 && GetGridState() == gsRowSizing)
    text = "rh=<b>" + IntToStr(size) + "</b>";
  else
    return;
  ShowHintAt(ClientToScreen(TPoint(X, Y)), text);
  input_->SizingMouse.hintShown = true;
}

// Under mouse capture X may lie left of the grid: a width is never negative.
void TExtStringGrid::FixedColSizingMove(int X, int Y) {
  MoveFixedColLine(std::max(X, 0));
  ShowSizingHint(X, Y);
}

void TExtStringGrid::ShowHintAt(TPoint Screen, const AnsiString& Text) {
  TRect r = input_->HintWindow->CalcHintRect(kHintMaxWidth, Text, nullptr);
  OffsetRect(r, Screen.x, Screen.y);
  input_->HintWindow->SetColor(HintColor);
  input_->HintWindow->ActivateHint(r, Text);
}
