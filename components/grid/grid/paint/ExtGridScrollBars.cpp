// TExtStringGrid: the scroll bars: their look (regular, flat, flat with a raised thumb, a
// colour and a thickness of their own), the thumb hints "Row : n" and "Col : n", and
// scrolling along while a thumb is dragged (ScrollSynch).
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/input/Mouse.h"
#include "components/grid/grid/paint/PaintState.h"
#include "components/grid/grid/paint/ScrollBars.h"
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
bool TExtStringGrid::ScrollBars::FlatInit() {
  g.d_->paint->FlatInit = true;
  return g.d_->paint->FlatInit;
}

void TExtStringGrid::ScrollBars::FlatDone() {
  g.d_->paint->FlatInit = false;
  g.SetScrollBarLook(sbRegular, clNone, 0);
}

void TExtStringGrid::ScrollBars::FlatUpdate() {
  if (!g.d_->paint->FlatInit) return;
  g.SetScrollBarLook(BarLook(g.ScrollType), g.ScrollColor, g.ScrollWidth);
  g.UpdateVScrollBar();
  g.UpdateHScrollBar();
}

void TExtStringGrid::SetScrollType(TScrollType Value) {
  if (ScrollType == Value) return;
  ScrollType = Value;
  ScrollBars bars(*this);
  if (Value != ssNormal) {
    bars.FlatInit();
    bars.FlatUpdate();
  } else if (!d_->paint->ScrollProportional) {
    bars.FlatDone();
  } else {
    bars.FlatUpdate();
  }
}

void TExtStringGrid::SetScrollColor(TColor Value) {
  ScrollColor = Value;
  ScrollBars(*this).FlatUpdate();
}

void TExtStringGrid::SetScrollWidth(int Value) {
  ScrollWidth = Value;
  ScrollBars(*this).FlatUpdate();
}

bool TExtStringGrid::GetScrollProportional() const { return d_->paint->ScrollProportional; }

void TExtStringGrid::SetScrollProportional(bool Value) {
  d_->paint->ScrollProportional = Value;
  ScrollBars bars(*this);
  if (Value) {
    bars.FlatInit();
    bars.FlatUpdate();
  } else if (d_->paint->FlatInit && ScrollType == ssNormal) {
    bars.FlatDone();
  }
}

// The platform's bars count rows and columns with a page of the lines shown, so their thumbs
// are proportional already; the 0..127 scale of the flat bars has no part in them.
void TExtStringGrid::UpdateVScrollBar() {}
void TExtStringGrid::UpdateHScrollBar() {}

void TExtStringGrid::ScrollBars::ScrollHint(bool Vertical, int Line) {
  AnsiString hint = (Vertical ? "Row : " : "Col : ") + IntToStr(Line);
  if (g.OnScrollHint) g.OnScrollHint(&g, Line, hint);
  TPoint at;
  GetCursorPos(at);
  at.x += 10;
  Mouse(g).ShowHintAt(at, hint);
}

void TExtStringGrid::ScrollBars::EndScrollHint() { g.GetHintWindow()->ReleaseHandle(); }

// The thumb's position is the first row (column) itself on the platform's bars.
void TExtStringGrid::ScrollBars::ThumbTracking(bool Vertical, const TWMScroll& Message) {
  const TScrollHintType own = Vertical ? shVertical : shHorizontal;
  if (g.ScrollHints == own || g.ScrollHints == shBoth) {
    if (Message.ScrollCode == SB_ENDSCROLL) EndScrollHint();
    if (Message.ScrollCode == SB_THUMBTRACK) ScrollHint(Vertical, Message.Pos);
  }
  if (Message.ScrollCode != SB_THUMBTRACK || !g.ScrollSynch) return;
  Vertical ? g.SetTopRow(Message.Pos) : g.SetLeftCol(Message.Pos);
}

void TExtStringGrid::WMVScroll(TWMScroll& Message) {
  ScrollBars(*this).ThumbTracking(true, Message);
  TBaseGrid::WMVScroll(Message);
  UpdateVScrollBar();
}

void TExtStringGrid::WMHScroll(TWMScroll& Message) {
  ScrollBars(*this).ThumbTracking(false, Message);
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
