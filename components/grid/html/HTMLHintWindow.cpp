#include "components/grid/html/HTMLHintWindow.h"

#include <algorithm>

#include "components/grid/html/HTMLDraw.h"
#include "platform/controls/screen.h"

namespace {
constexpr int kMeasureWidth = 1008;
}

namespace {
THTMLDrawParams HintParams(bool WordWrap, bool MeasureOnly) {
  THTMLDrawParams params;
  params.WordWrap = WordWrap;
  params.MeasureOnly = MeasureOnly;
  params.LinkColor = clBlue;
  params.ShadowColor = clGray;
  params.ShadowOffset = 1;
  return params;
}
}  // namespace

TSize THTMLHintWindow::Measure(const AnsiString& Text, int MaxWidth, bool WordWrap) {
  TCanvas* canvas = GetCanvas();
  canvas->Font->Assign(*GetFont());
  THTMLDrawResult result;
  HTMLDrawEx(canvas, Text, TRect(0, 0, MaxWidth, 4096), HintParams(WordWrap, true), result);
  return TSize(result.ExtentX, result.ExtentY);
}

void THTMLHintWindow::Draw(const AnsiString& Text, TRect R) {
  THTMLDrawResult result;
  HTMLDrawEx(GetCanvas(), Text, R, HintParams(false, false), result);
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const AnsiString& AHint, void*) {
  const TSize size = Measure(AHint, MaxWidth, true);
  return TRect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::ActivateHint(TRect Rect, const AnsiString& AHint) {
  SetCaption(AHint);
  const TSize size = Measure(AHint, kMeasureWidth, true);
  textWidth_ = size.cx;
  textHeight_ = size.cy;
  const int width = textWidth_ + 16, height = textHeight_ + 4;
  int left = Rect.Left, top = Rect.Top;
  if (left + width > Screen->GetWidth()) left = Screen->GetWidth() - width - 2;
  if (top + height > Screen->GetHeight()) top = Screen->GetHeight() - height;
  SetBounds(std::max(0, left), std::max(0, top), width, height);
  Show();
  Invalidate();
}

void THTMLHintWindow::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  canvas->Brush->SetColor(GetColor());
  canvas->FillRect(client);
  canvas->Pen->SetColor(cl3DLight);
  canvas->MoveTo(client.Left, client.Bottom - 1);
  canvas->LineTo(client.Left, client.Top);
  canvas->LineTo(client.Right - 1, client.Top);
  canvas->Pen->SetColor(cl3DDkShadow);
  canvas->LineTo(client.Right - 1, client.Bottom - 1);
  canvas->LineTo(client.Left, client.Bottom - 1);
  // Centred on the measured height.
  const int top = client.Top + std::max(0, (client.Height() - textHeight_) / 2);
  Draw(GetCaption(), TRect(client.Left + 4, top, client.Right - 4, top + textHeight_ + 8));
}
