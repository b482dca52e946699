// Units and dots: the conversions, the unprintable edges and the change of unit.
#include "components/print/XPrinter.h"
#include "components/print/XPrinterScale.h"

using xprinter::Scale;

namespace {

int UnitsPerInch(TScaling scaling) {
  switch (scaling) {
    case pscMil: return 1000;
    case pscMetric10: return 254;
    case pscMetric100: return 2540;
    default: return 1;
  }
}

}  // namespace

int TXPrint::DotValX(int value) const {
  return scaling_ == pscDot ? value : Scale(value, device_.logPixelsX, unitsPerInch_);
}

int TXPrint::DotValY(int value) const {
  return scaling_ == pscDot ? value : Scale(value, device_.logPixelsY, unitsPerInch_);
}

int TXPrint::ScaleValX(int value) const {
  return scaling_ == pscDot ? value : Scale(value, unitsPerInch_, device_.logPixelsX);
}

int TXPrint::ScaleValY(int value) const {
  return scaling_ == pscDot ? value : Scale(value, unitsPerInch_, device_.logPixelsY);
}

int TXPrint::GetMinMarginLeft() const { return ScaleValX(device_.offsetX); }

int TXPrint::GetMinMarginRight() const {
  return ScaleValX(device_.physicalWidth - device_.horzRes - device_.offsetX);
}

int TXPrint::GetMinMarginTop() const { return ScaleValY(device_.offsetY); }

int TXPrint::GetMinMarginBottom() const {
  return ScaleValY(device_.physicalHeight - device_.vertRes - device_.offsetY);
}

// The margins go through whole dots, so they keep their physical size up to rounding.
void TXPrint::SetScaling(TScaling scaling) {
  if (printing_) return;
  int left = DotValX(MarginLeft);
  int top = DotValY(MarginTop);
  int right = DotValX(MarginRight);
  int bottom = DotValY(MarginBottom);
  scaling_ = scaling;
  unitsPerInch_ = UnitsPerInch(scaling);
  MarginLeft = ScaleValX(left);
  MarginTop = ScaleValY(top);
  MarginRight = ScaleValX(right);
  MarginBottom = ScaleValY(bottom);
}
