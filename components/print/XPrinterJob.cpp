// Jobs and pages: the mapping set up on every page, the font scaled to it, and the job's end.
#include <cstdlib>

#include "components/print/XPrinter.h"
#include "components/print/XPrinterScale.h"
#include "platform/winapi/gdi.h"
#include "platform/winapi/printer.h"

using xprinter::Clamped;
using xprinter::Scale;

namespace {

struct Extents {
  int window;
  int viewport;
};

// 7200 dots against as many units as make the same length. Above 7200 dots per inch the
// quotient would be 0, so there the extents are exact: an inch of units against an inch of
// dots.
Extents ExtentsFor(int dpi, int unitsPerInch) {
  Extents e = dpi > 7200 ? Extents{unitsPerInch, dpi} : Extents{7200 / dpi * unitsPerInch, 7200};
  while (e.window > 32767) {
    e.window /= 2;
    e.viewport /= 2;
  }
  return e;
}

}  // namespace

void TXPrint::SetupPrinter() {
  if (!GetPrinterAvailable()) return;
  const DeviceParameters& d = device_;
  if (scaling_ == pscDot) {
    PrintWidth = Clamped(int64_t(d.physicalWidth) - MarginLeft - MarginRight - 1);
    PrintHeight = Clamped(int64_t(d.physicalHeight) - MarginTop - MarginBottom - 1);
    return;
  }
  PrintWidth = Scale(int64_t(d.physicalWidth) - DotValX(MarginLeft) - DotValX(MarginRight) - 1,
                     unitsPerInch_, d.logPixelsX);
  PrintHeight = Scale(int64_t(d.physicalHeight) - DotValY(MarginTop) - DotValY(MarginBottom) - 1,
                      unitsPerInch_, d.logPixelsY);
  Extents x = ExtentsFor(d.logPixelsX, unitsPerInch_);
  Extents y = ExtentsFor(d.logPixelsY, unitsPerInch_);
  HDC dc = Canvas->GetHandle();
  SetMapMode(dc, MM_ISOTROPIC);
  SetWindowExtEx(dc, x.window, y.window, nullptr);
  SetViewportExtEx(dc, x.viewport, y.viewport, nullptr);
  // Logical (0, 0) is the inner corner of the margins.
  SetViewportOrgEx(dc, Clamped(int64_t(DotValX(MarginLeft)) - d.offsetX),
                   Clamped(int64_t(DotValY(MarginTop)) - d.offsetY), nullptr);
}

void TXPrint::SetFontSize(int points) {
  if (!GetPrinterAvailable()) return;
  fontSize_ = points;
  int64_t size = std::llabs(points);
  if (scaling_ != pscDot && printing_)
    Canvas->Font->SetSize(Scale(size, unitsPerInch_, Canvas->Font->GetPixelsPerInch()));
  else
    Canvas->Font->SetSize(Clamped(size));
}

void TXPrint::BeginDoc() {
  if (!GetPrinterAvailable()) return;
  ReadDeviceParameters();
  Printer()->BeginDoc();
  printing_ = true;
  SetupPrinter();
  // The font keeps its size in points on the printer's resolution.
  TFont* font = Canvas->Font;
  int size = font->GetSize();
  font->SetPixelsPerInch(device_.logPixelsY);
  font->SetSize(size);
  savedFont_ = std::make_unique<TFont>();
  savedFont_->Assign(*font);
  SetFontSize(font->GetSize());
  ApplyRotation();
}

// A new page has a new device context: the mapping, the font size and the rotated font are
// set on it again.
void TXPrint::NewPage() {
  if (!GetPrinterAvailable() || !printing_) return;
  Printer()->NewPage();
  SetupPrinter();
  SetFontSize(fontSize_);
  ApplyRotation();
}

void TXPrint::EndDoc() {
  if (!GetPrinterAvailable() || !printing_) return;
  try {
    Printer()->EndDoc();
  } catch (...) {
    CloseJob();
    throw;
  }
  CloseJob();
}

void TXPrint::Abort() {
  if (!GetPrinterAvailable() || !printing_) return;
  if (Printer()->GetPrinting()) Printer()->Abort();
  CloseJob();
}

// The rotated font goes with the job; rotation stays on for the next one.
void TXPrint::CloseJob() {
  UnsetAngleText();
  if (savedFont_) Canvas->Font->Assign(*savedFont_);
  savedFont_.reset();
  printing_ = false;
}
