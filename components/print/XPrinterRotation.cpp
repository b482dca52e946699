// Rotated text: a font turned by Angle10, selected into the canvas in place of its own.
#include <cstdlib>

#include "components/print/XPrinter.h"
#include "components/print/XPrinterScale.h"
#include "platform/winapi/gdi.h"

void TXPrint::SetAngleText() {
  UnsetAngleText();
  const TFont* font = Canvas->Font;
  TFontStyles style = font->GetStyle();
  int height = xprinter::Scale(std::llabs(font->GetSize()) * 9, font->GetPixelsPerInch(), 635);
  rotatedFont_ = CreateFontA(height, 0, angle10_, 0, style.Contains(fsBold) ? FW_BOLD : FW_NORMAL,
                             style.Contains(fsItalic), style.Contains(fsUnderline),
                             style.Contains(fsStrikeOut), DEFAULT_CHARSET, OUT_TT_PRECIS,
                             CLIP_LH_ANGLES, PROOF_QUALITY, 0, font->GetName().c_str());
  previousFont_ = SelectObject(Canvas->GetHandle(), rotatedFont_);
}

// The rotated font is freed even when a change of the canvas font has already put it aside.
void TXPrint::UnsetAngleText() {
  if (!rotatedFont_) return;
  SelectObject(Canvas->GetHandle(), previousFont_);
  DeleteObject(rotatedFont_);
  rotatedFont_ = nullptr;
  previousFont_ = nullptr;
}

void TXPrint::ApplyRotation() {
  if (rotationActive_) SetAngleText();
}

void TXPrint::SetTextRotation(bool on) {
  if (on && !rotationActive_) {
    if (angle10_ == 0) return;  // no angle, no rotation
    SetAngleText();
    rotationActive_ = true;
  } else if (!on && rotationActive_) {
    UnsetAngleText();
    rotationActive_ = false;
  }
}

void TXPrint::SetAngle10(int angle) {
  bool wasActive = rotationActive_;
  if (wasActive) UnsetAngleText();
  angle10_ = angle % 3600;
  if (wasActive && angle10_ != 0)
    SetAngleText();
  else
    rotationActive_ = false;
}
