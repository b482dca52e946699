// TExtStringGrid: the scroll bars: their look (regular, flat, flat with a raised thumb, a
// colour and a thickness of their own), the thumb hints "Row : n" and "Col : n", and
// scrolling along while a thumb is dragged (ScrollSynch).
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/input/Mouse.h"
#include "components/grid/grid/paint/PaintState.h"
#include "components/grid/html/HTMLHintWindow.h"
#include "platform/controls/screen.h"

namespace {
TScrollBarLook BarLook(TScrollType Type) {
  switch (Type) {
    case ssFlat: return sbFlat;
    case ssEncarta: return sbEncarta;
    default: return sbRegular;
  }
}
}  // namespace

// The flat bars stand in for the common controls' flat scroll bars: once initialised, the
// type, colour and width apply to the grid's bars.
bool TExtStringGrid::FlatInit() {
  paint_->FlatInit = true;
  return paint_->FlatInit;
}

void TExtStringGrid::FlatDone() {
  paint_->FlatInit = false;
  SetScrollBarLook(sbRegular, clNone, 0);
}

void TExtStringGrid::FlatUpdate() {
  if (!paint_->FlatInit) return;
  SetScrollBarLook(BarLook(ScrollType), ScrollColor, ScrollWidth);
  UpdateVScrollBar();
  UpdateHScrollBar();
}

void TExtStringGrid::SetScrollType(TScrollType Value) {
  if (ScrollType == Value) return;
  ScrollType = Value;
  if (Value != ssNormal) {
    FlatInit();
    FlatUpdate();
  } else if (!paint_->ScrollProportional) {
    FlatDone();
  } else {
    FlatUpdate();
  }
}

void TExtStringGrid::SetScrollColor(TColor Value) {
  ScrollColor = Value;
  FlatUpdate();
}

void TExtStringGrid::SetScrollWidth(int Value) {
  ScrollWidth = Value;
  FlatUpdate();
}

bool TExtStringGrid::GetScrollProportional() const { return paint_->ScrollProportional; }

void TExtStringGrid::SetScrollProportional(bool Value) {
  paint_->ScrollProportional = Value;
  if (Value) {
    FlatInit();
    FlatUpdate();
  } else if (paint_->FlatInit && ScrollType == ssNormal) {
    FlatDone();
  }
}

// The platform's bars count rows and columns with a page of the lines shown, so their thumbs
// are proportional already; the 0..127 scale of the flat bars has no part in them.
void TExtStringGrid::UpdateVScrollBar() {}
void TExtStringGrid::UpdateHScrollBar() {}

void TExtStringGrid::ScrollHint(bool Vertical, int Line) {
  AnsiString hint = (Vertical ? "Row : " : "Col : ") + IntToStr(Line);
  if (OnScrollHint) OnScrollHint(this, Line, hint);
  TPoint at;
  GetCursorPos(at);
  at.x += 10;
  Mouse(*this).ShowHintAt(at, hint);
}

void TExtStringGrid::EndScrollHint() { GetHintWindow()->ReleaseHandle(); }

// The thumb's position is the first row (column) itself on the platform's bars.
void TExtStringGrid::ThumbTracking(bool Vertical, const TWMScroll& Message) {
  const TScrollHintType own = Vertical ? shVertical : shHorizontal;
  if (ScrollHints == own || ScrollHints == shBoth) {
    if (Message.ScrollCode == SB_ENDSCROLL) EndScrollHint();
    if (Message.ScrollCode == SB_THUMBTRACK) ScrollHint(Vertical, Message.Pos);
  }
  if (Message.ScrollCode != SB_THUMBTRACK || !ScrollSynch) return;
  Vertical ? SetTopRow(Message.Pos) : SetLeftCol(Message.Pos);
}

void TExtStringGrid::WMVScroll(TWMScroll& Message) {
  ThumbTracking(true, Message);
  TBaseGrid::WMVScroll(Message);
  UpdateVScrollBar();
}

void TExtStringGrid::WMHScroll(TWMScroll& Message) {
  ThumbTracking(false, Message);
  TBaseGrid::WMHScroll(Message);
  UpdateHScrollBar();
}

void TExtStringGrid::TopLeftChanged() {
  TBaseGrid::TopLeftChanged();
  // An editor control stays where it was put: scrolling ends its edit.
  if (EditControlShown && EditActive) HideInplaceEdit();
  UpdateVScrollBar();
  UpdateHScrollBar();
  UpdateFooter();
}
