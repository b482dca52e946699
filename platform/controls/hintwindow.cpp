#include "platform/controls/hintwindow.h"

#include <algorithm>

#include "platform/winapi/drawtext.h"
#include "platform/winapi/gdi.h"
#include "platform/controls/qt/qt_painted_widget.h"
#include "platform/controls/screen.h"

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  QWidget* widget = Widget();
  widget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
  widget->setAttribute(Qt::WA_ShowWithoutActivating);
  static_cast<PaintedWidget*>(widget)->SetPainter(this, GetCanvas(), [this] { PaintWindow(); });
  SetVisible(false);
  SetColor(clInfoBk);
  GetFont()->SetColor(clInfoText);
}

void THintWindow::VisibleChanged() {
  Widget()->setVisible(GetVisible());
  if (GetVisible()) Widget()->raise();
}

// The border, then Paint inside it with the client area's origin.
void THintWindow::PaintWindow() {
  TCanvas* canvas = GetCanvas();
  canvas->Brush->SetColor(clWindowFrame);
  canvas->FrameRect(TRect(0, 0, GetWidth(), GetHeight()));
  canvas->Brush->SetColor(GetColor());
  SetViewportOrgEx(canvas->GetHandle(), 1, 1, nullptr);
  Paint();
}

void THintWindow::Paint() {
  TRect rect = GetClientRect();
  rect.Left += 2;
  rect.Top += 2;
  AnsiString caption = GetCaption();
  DrawText(GetCanvas()->GetHandle(), caption.c_str(), -1, &rect,
           DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

TRect THintWindow::CalcHintRect(int MaxWidth, const AnsiString& AHint, void*) {
  TRect rect(0, 0, MaxWidth, 0);
  GetCanvas()->Font->Assign(*GetFont());
  DrawText(GetCanvas()->GetHandle(), AHint.c_str(), -1, &rect,
           DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  rect.Right += 6;
  rect.Bottom += 2;
  return rect;
}

void THintWindow::ActivateHint(TRect Rect, const AnsiString& AHint) {
  SetCaption(AHint);
  Rect.Bottom += 4;
  int width = Rect.Width(), height = Rect.Height();
  int left = std::max(0, std::min(Rect.Left, Screen->GetWidth() - width));
  int top = Rect.Top + height > Screen->GetHeight() ? Screen->GetHeight() - height : Rect.Top;
  SetBounds(left, std::max(0, top), width, height);
  Show();
  Invalidate();
}
