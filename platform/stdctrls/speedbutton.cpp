#include "platform/stdctrls/speedbutton.h"

#include <algorithm>

#include "platform/graphics/bitmap.h"
#include "platform/winapi/drawtext.h"
#include "platform/winapi/edge.h"

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), glyph_(std::make_unique<TBitmap>()) {
  // It clicks itself, on the release.
  ControlStyle = {csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 23, 22);
  glyph_->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* value) {
  if (value)
    glyph_->Assign(value);
  else
    glyph_->SetSize(0, 0);
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value) {
  numGlyphs_ = std::clamp(value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}

void TSpeedButton::DrawGlyph(TCanvas& canvas, TBitmap& glyph, int numGlyphs, int index, int x,
                             int y) {
  const int width = glyph.GetWidth() / std::max(numGlyphs, 1);
  if (width <= 0 || glyph.GetHeight() <= 0) return;
  TBitmap image;
  image.SetSize(width, glyph.GetHeight());
  const int from = std::clamp(index, 0, numGlyphs - 1) * width;
  image.Canvas->CopyRect(TRect(0, 0, width, glyph.GetHeight()), glyph.Canvas,
                         TRect(from, 0, from + width, glyph.GetHeight()));
  // One colour leaves out the background of every image: the strip's bottom-left pixel.
  image.SetTransparentColor(glyph.Canvas->GetPixels(0, glyph.GetHeight() - 1));
  image.SetTransparent(true);
  canvas.Draw(x, y, &image);
}

void TSpeedButton::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  const bool down = state_ == bsDown || state_ == bsExclusive;
  if (flat_) {
    canvas->Brush->SetColor(GetColor());
    canvas->FillRect(rect);
    if (down || (mouseInControl_ && GetEnabled()))
      DrawEdge(canvas->GetHandle(), &rect, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  } else {
    DrawFrameControl(canvas->GetHandle(), &rect, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? DFCS_PUSHED : 0u));
  }
  PaintContent(rect, down);
}

void TSpeedButton::PaintContent(const TRect& rect, bool down) {
  TCanvas* canvas = GetCanvas();
  const int offset = down ? 1 : 0;
  const int glyphWidth = glyph_->GetWidth() / numGlyphs_;
  const AnsiString caption = GetCaption();
  const int textWidth = caption.empty() ? 0 : canvas->TextWidth(caption);
  const int gap = glyphWidth > 0 && textWidth > 0 ? 4 : 0;
  int x = rect.Left + (rect.Width() - glyphWidth - gap - textWidth) / 2 + offset;
  if (glyphWidth > 0) {
    int index = !GetEnabled() ? 1 : down ? (state_ == bsExclusive ? 3 : 2) : 0;
    if (index >= numGlyphs_) index = 0;
    DrawGlyph(*canvas, *glyph_, numGlyphs_, index, x,
              rect.Top + (rect.Height() - glyph_->GetHeight()) / 2 + offset);
    x += glyphWidth + gap;
  }
  if (textWidth == 0) return;
  TRect textRect(x, rect.Top + offset, x + textWidth, rect.Bottom + offset);
  canvas->Brush->SetStyle(bsClear);
  canvas->Font->SetColor(GetEnabled() ? GetFont()->GetColor() : clGrayText);
  DrawText(canvas->GetHandle(), caption.c_str(), -1, &textRect,
           DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && GetEnabled()) {
    capture_ = true;
    state_ = bsDown;
    Invalidate();
  }
  TGraphicControl::MouseDown(Button, Shift, X, Y);
}

// Down while the held mouse is over it, up while it is not.
void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  if (capture_) {
    const TButtonState state = Inside(X, Y) ? bsDown : bsUp;
    if (state != state_) {
      state_ = state;
      Invalidate();
    }
  }
  TGraphicControl::MouseMove(Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool wasHeld = capture_ && Button == mbLeft;
  if (wasHeld) {
    capture_ = false;
    state_ = bsUp;
    Invalidate();
  }
  if (wasHeld && clickOnRelease_ && Inside(X, Y)) Click();
  TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::CMMouseEnter() {
  TGraphicControl::CMMouseEnter();
  mouseInControl_ = true;
  if (flat_) Invalidate();
}

void TSpeedButton::CMMouseLeave() {
  TGraphicControl::CMMouseLeave();
  mouseInControl_ = false;
  if (flat_) Invalidate();
}

void TSpeedButton::EnabledChanged() {
  TGraphicControl::EnabledChanged();
  state_ = GetEnabled() ? bsUp : bsDisabled;
  capture_ = false;
  Invalidate();
}
