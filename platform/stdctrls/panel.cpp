#include "platform/stdctrls/panel.h"

#include "platform/winapi/drawtext.h"
#include "platform/winapi/edge.h"
#include "platform/winapi/frame3d.h"

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TPanel::Changed() {
  Realign();
  Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel value) {
  bevelInner_ = value;
  Changed();
}

void TPanel::SetBevelOuter(TPanelBevel value) {
  bevelOuter_ = value;
  Changed();
}

void TPanel::SetBevelWidth(int value) {
  bevelWidth_ = value;
  Changed();
}

void TPanel::SetBorderWidth(int value) {
  borderWidth_ = value;
  Changed();
}

void TPanel::SetBorderStyle(TBorderStyle value) {
  borderStyle_ = value;
  Changed();
}

void TPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TPanel::AlignArea(int& left, int& top, int& width, int& height) const {
  int inset = EdgeSize() + borderWidth_ + (bevelOuter_ != bvNone ? bevelWidth_ : 0) +
              (bevelInner_ != bvNone ? bevelWidth_ : 0);
  left = top = inset;
  width = GetClientWidth() - 2 * inset;
  height = GetClientHeight() - 2 * inset;
}

namespace {
// A lowered bevel is shadowed on top; the others are lit on top.
void Bevel(TCanvas* canvas, TRect& rect, TPanelBevel bevel, TColor color, int width) {
  if (bevel == bvNone) return;
  TColor top = bevel == bvLowered ? clBtnShadow : bevel == bvRaised ? clBtnHighlight : color;
  TColor bottom = bevel == bvLowered ? clBtnHighlight : bevel == bvRaised ? clBtnShadow : color;
  Frame3D(canvas, rect, top, bottom, width);
}
}  // namespace

void TPanel::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  if (borderStyle_ == bsSingle) DrawEdge(canvas->GetHandle(), &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  Bevel(canvas, rect, bevelOuter_, GetColor(), bevelWidth_);
  Frame3D(canvas, rect, GetColor(), GetColor(), borderWidth_);
  Bevel(canvas, rect, bevelInner_, GetColor(), bevelWidth_);
  canvas->Brush->SetColor(GetColor());
  canvas->FillRect(rect);
  canvas->Brush->SetStyle(bsClear);
  int height = canvas->TextHeight("W");
  rect.Top = (rect.Bottom + rect.Top - height) / 2;
  rect.Bottom = rect.Top + height;
  unsigned align = alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT
                                                                                      : DT_LEFT;
  AnsiString caption = GetCaption();
  DrawText(canvas->GetHandle(), caption.c_str(), -1, &rect, DT_EXPANDTABS | DT_VCENTER | align);
}
