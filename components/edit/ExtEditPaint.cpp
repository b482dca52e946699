// Painting over the platform edit, after the flat look's line or frame (EditLook.cpp): the
// drop caret, the grey empty text and the red zigzag under a marked range.
#include "components/edit/ExtEdit.h"
#include "platform/graphics/canvas.h"

namespace {
constexpr TColor kEmptyTextColor = static_cast<TColor>(0x808080);
constexpr int kZigzagStep = 3;
constexpr int kZigzagHeight = 3;
constexpr int kPastEnd = 4;
}  // namespace

void TExtEdit::PaintEdit(TCanvas& Canvas) {
  TEditLook::PaintEdit(Canvas);
  if (dropCaret_.x >= 0) {
    Canvas.Brush->SetColor(GetFont()->GetColor());
    Canvas.FillRect(TRect(dropCaret_.x, dropCaret_.y, dropCaret_.x + 1,
                          dropCaret_.y + Canvas.TextHeight("gh")));
  }
  if (GetText().empty() && !Focused() && !emptyText_.empty()) {
    // Where typed text would start.
    const TPoint origin = PosFromChar(PrefixLength());
    Canvas.SetBkMode(TRANSPARENT);
    Canvas.Font->SetColor(kEmptyTextColor);
    Canvas.TextOut(origin.x, origin.y, emptyText_);
  }
  if (!Focused() && errorMarkerLen_ >= 1) DrawErrorLines(Canvas);
}

// Characters past the value's end have no place of their own: the zigzag runs on a few
// pixels after the last one.
void TExtEdit::DrawErrorLines(TCanvas& Canvas) {
  const int length = static_cast<int>(TCustomEdit::GetText().size());
  if (length == 0) return;
  auto place = [&](int index) {
    if (index < length) return PosFromChar(index);
    TPoint last = PosFromChar(length - 1);
    return TPoint(last.x + kPastEnd, last.y);
  };
  const TPoint start = place(errorMarkerPos_);
  const TPoint end = place(errorMarkerPos_ + errorMarkerLen_ - 1);
  const int baseline = start.y + Canvas.TextHeight("gh") - 1;
  Canvas.Pen->SetColor(clRed);
  Canvas.Pen->SetWidth(2);
  int x = start.x;
  bool low = false;
  Canvas.MoveTo(x, baseline);
  while (x <= end.x) {
    x += kZigzagStep;
    low = !low;
    Canvas.LineTo(x, baseline + (low ? kZigzagHeight : 0));
  }
}
