#include "components/grid/controls/PopupButton.h"

#include "platform/controls/popup_window.h"
#include "platform/winapi/drawtext.h"
#include "platform/winapi/frame3d.h"

TPopupButton::TPopupButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetPopupStyle(this, true);
  SetVisible(false);
  SetColor(clBtnFace);
}

void TPopupButton::VisibleChanged() { ShowPopupWindow(this, GetVisible()); }

void TPopupButton::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect(0, 0, GetWidth(), GetHeight());
  canvas->Brush->SetColor(clWindowFrame);
  canvas->FrameRect(rect);
  InflateRect(rect, -1, -1);
  canvas->Brush->SetColor(GetColor());
  canvas->FillRect(rect);
  Frame3D(canvas, rect, clWhite, clGray, 1);
  const AnsiString caption = GetCaption();
  canvas->Brush->SetStyle(bsClear);
  DrawText(canvas->GetHandle(), caption.c_str(), -1, &rect,
           DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}
