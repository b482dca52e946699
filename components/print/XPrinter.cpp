// Construction, the device parameters and the pass-through queries of the printing component.
#include "components/print/XPrinter.h"

#include <vector>

#include "platform/winapi/gdi.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/winspool.h"

TXPrint::TXPrint(TComponent* AOwner) : TComponent(AOwner) {
  printerCount_ = static_cast<int16_t>(std::min(PrintersInstalled(), 0x7FFF));
  if (GetPrinterAvailable()) {
    Canvas = Printer()->Canvas;
    if (!Printer()->GetPrinting()) Printer()->SetPrinterIndex(-1);
    // Read now, not at the first job, so the minimum margins hold from the start.
    ReadDeviceParameters();
  } else {
    ownCanvas_ = std::make_unique<TCanvas>();
    Canvas = ownCanvas_.get();
  }
}

TXPrint::~TXPrint() {
  if (printing_) Abort();
  UnsetAngleText();
}

// This layer is the NT platform: local printers and connections, level 4.
int TXPrint::PrintersInstalled() {
  const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0;
  DWORD returned = 0;
  if (EnumPrintersA(flags, nullptr, 4, nullptr, 0, &needed, &returned)) return 0;
  if (needed == 0) return 0;
  std::vector<uint8_t> buffer(needed);
  if (!EnumPrintersA(flags, nullptr, 4, buffer.data(), needed, &needed, &returned)) return 0;
  return static_cast<int>(returned);
}

void TXPrint::ReadDeviceParameters() {
  if (!GetPrinterAvailable()) return;
  HDC dc = Printer()->GetHandle();
  DeviceParameters read{GetDeviceCaps(dc, LOGPIXELSX),    GetDeviceCaps(dc, LOGPIXELSY),
                        GetDeviceCaps(dc, PHYSICALWIDTH), GetDeviceCaps(dc, PHYSICALHEIGHT),
                        GetDeviceCaps(dc, HORZRES),       GetDeviceCaps(dc, VERTRES),
                        GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)};
  // A device without a resolution would make every conversion divide by zero.
  if (read.logPixelsX > 0 && read.logPixelsY > 0) device_ = read;
}

void TXPrint::SyncIndex() { ReadDeviceParameters(); }

bool TXPrint::GetPrinting() const { return GetPrinterAvailable() && Printer()->GetPrinting(); }

bool TXPrint::GetAborted() const { return GetPrinterAvailable() && Printer()->GetAborted(); }

int TXPrint::GetCopies() const { return GetPrinterAvailable() ? Printer()->GetCopies() : 1; }

void TXPrint::SetCopies(int copies) {
  if (GetPrinterAvailable()) Printer()->SetCopies(copies);
}

AnsiString TXPrint::GetTitle() const { return GetPrinterAvailable() ? Printer()->Title : ""; }

void TXPrint::SetTitle(const AnsiString& title) {
  if (GetPrinterAvailable()) Printer()->Title = title;
}

TXPrinterOrientation TXPrint::GetOrientation() const {
  if (!GetPrinterAvailable()) return xpoPortrait;
  return Printer()->GetOrientation() == poLandscape ? xpoLandscape : xpoPortrait;
}

void TXPrint::SetOrientation(TXPrinterOrientation orientation) {
  if (GetPrinterAvailable())
    Printer()->SetOrientation(orientation == xpoLandscape ? poLandscape : poPortrait);
}

int TXPrint::GetCurrentPrinter() const {
  return GetPrinterAvailable() ? Printer()->GetPrinterIndex() : 0;
}

// A job keeps its printer to the end; an index the printer list does not hold (a stored
// configuration of a printer since removed) changes nothing.
void TXPrint::SetCurrentPrinter(int index) {
  if (!GetPrinterAvailable() || Printer()->GetPrinting()) return;
  if (index < -1 || index >= Printer()->GetPrinters()->Count()) return;
  Printer()->SetPrinterIndex(index);
  ReadDeviceParameters();
}

TStrings* TXPrint::GetFonts() const {
  return GetPrinterAvailable() ? Printer()->GetFonts() : nullptr;
}

HDC TXPrint::GetHandle() const { return GetPrinterAvailable() ? Printer()->GetHandle() : nullptr; }

int TXPrint::GetPageNumber() const {
  return GetPrinterAvailable() ? Printer()->GetPageNumber() : 1;
}

TStrings* TXPrint::GetPrinters() const {
  return GetPrinterAvailable() ? Printer()->GetPrinters() : nullptr;
}

TXPrinterCapabilities TXPrint::GetPrinterCapabilities() const {
  TXPrinterCapabilities result;
  if (!GetPrinterAvailable()) return result;
  TPrinterCapabilities caps = Printer()->GetCapabilities();
  if (caps.Contains(pcCopies)) result << xpcCopies;
  if (caps.Contains(pcOrientation)) result << xpcOrientation;
  if (caps.Contains(pcCollation)) result << xpcCollation;
  return result;
}

int TXPrint::GetColorDepth() const {
  return GetPrinterAvailable() ? GetDeviceCaps(GetHandle(), BITSPIXEL) : 0;
}

bool TXPrint::GetCanUserDefFill() const {
  return GetPrinterAvailable() && (GetDeviceCaps(GetHandle(), RASTERCAPS) & RC_STRETCHBLT);
}

namespace {

void CopyFace(TFont& to, const TFont& from) {
  to.SetName(from.GetName());
  to.SetPitch(from.GetPitch());
  to.SetStyle(from.GetStyle());
}

}  // namespace

void TXPrint::SetFont(const TFont* font) {
  if (!font) return;
  Canvas->Font->SetColor(font->GetColor());
  CopyFace(*Canvas->Font, *font);
  Canvas->Font->SetSize(font->GetSize());
}

void TXPrint::SelectFont(const TFont* font) {
  if (!font) return;
  CopyFace(*Canvas->Font, *font);
  Canvas->Font->SetHeight(-std::abs(font->GetHeight()));
  SetFontSize(font->GetSize());
}
