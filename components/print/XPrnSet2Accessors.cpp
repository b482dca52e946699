// The accessors of a settings record: each setter writes its device-mode member and flag,
// refusing what the printer cannot take.
#include <algorithm>
#include <cstring>

#include "components/print/XPrnSet2.h"

void TSettings::Changed(uint32_t field) {
  Mode().dmFields |= field;
  if (applyImmediately_) SetPrinterSettings();
}

TPrinterOrientation TSettings::GetOrientation() const {
  return Printers() && Mode().dmOrientation == DMORIENT_LANDSCAPE ? poLandscape : poPortrait;
}

void TSettings::SetOrientation(TPrinterOrientation Value) {
  if (!Printers()) return;
  Mode().dmOrientation = static_cast<int16_t>(Value + 1);
  Changed(DM_ORIENTATION);
}

int TSettings::GetCopies() const { return Printers() ? Mode().dmCopies : 1; }

void TSettings::SetCopies(int Value) {
  if (!Printers() || Value < 1 || Value > capabilities_->GetMaxCopies()) return;
  Mode().dmCopies = static_cast<int16_t>(std::min(Value, 32767));
  Changed(DM_COPIES);
}

bool TSettings::GetCollate() const { return Printers() && Mode().dmCollate > 0; }

void TSettings::SetCollate(bool Value) {
  if (!Printers()) return;
  Mode().dmCollate = Value ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
  Changed(DM_COLLATE);
}

bool TSettings::GetColor() const { return Printers() && Mode().dmColor > 1; }

void TSettings::SetColor(bool Value) {
  if (!Printers()) return;
  if (capabilities_->GetColorDepth() < 2) Value = false;
  Mode().dmColor = Value ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
  Changed(DM_COLOR);
}

TDuplexMode TSettings::GetDuplex() const {
  if (!Printers()) return DuplexOff;
  switch (Mode().dmDuplex) {
    case DMDUP_VERTICAL: return DuplexVertical;
    case DMDUP_HORIZONTAL: return DuplexHorizontal;
    default: return DuplexOff;
  }
}

void TSettings::SetDuplex(TDuplexMode Value) {
  if (!Printers()) return;
  if (!capabilities_->GetDuplexPossible()) Value = DuplexOff;
  Mode().dmDuplex = static_cast<int16_t>(Value + 1);
  Changed(DM_DUPLEX);
}

int TSettings::GetPaper() const { return Printers() ? Mode().dmPaperSize : 9; }

// The form name keeps a terminating NUL in its field.
void TSettings::SetPaper(int Value) {
  if (!Printers()) return;
  int index = capabilities_->GetPapers()->GetIndex(Value);
  if (index < 0) return;
  Mode().dmPaperSize = static_cast<int16_t>(Value);
  AnsiString name = capabilities_->GetPapers()->GetName(index);
  std::memset(Mode().dmFormName, 0, sizeof Mode().dmFormName);
  std::memcpy(Mode().dmFormName, name.data(), std::min(name.size(), sizeof Mode().dmFormName - 1));
  Changed(DM_PAPERSIZE);
}

int TSettings::GetPaperIndex() const {
  return Printers() ? capabilities_->GetPapers()->GetIndex(Mode().dmPaperSize) : 0;
}

void TSettings::SetPaperIndex(int Value) {
  const TPrinterPaper* papers = capabilities_->GetPapers();
  if (Value >= 0 && Value < papers->GetCount()) SetPaper(papers->GetNumber(Value));
}

AnsiString TSettings::GetPaperName() const {
  return Printers() ? capabilities_->GetPapers()->GetName(GetPaperIndex()) : "";
}

int TSettings::GetPaperWidth() const {
  return Printers() ? capabilities_->GetPapers()->GetWidth(GetPaperIndex()) : 0;
}

int TSettings::GetPaperLength() const {
  return Printers() ? capabilities_->GetPapers()->GetLength(GetPaperIndex()) : 0;
}

int TSettings::GetTray() const { return Printers() ? Mode().dmDefaultSource : 15; }

void TSettings::SetTray(int Value) {
  if (!Printers() || capabilities_->GetTrays()->GetIndex(Value) < 0) return;
  Mode().dmDefaultSource = static_cast<int16_t>(Value);
  Changed(DM_DEFAULTSOURCE);
}

int TSettings::GetTrayIndex() const {
  return Printers() ? capabilities_->GetTrays()->GetIndex(Mode().dmDefaultSource) : 0;
}

void TSettings::SetTrayIndex(int Value) {
  const TPrinterTray* trays = capabilities_->GetTrays();
  if (Value >= 0 && Value < trays->GetCount()) SetTray(trays->GetNumber(Value));
}

AnsiString TSettings::GetTrayName() const {
  return Printers() ? capabilities_->GetTrays()->GetName(GetTrayIndex()) : "";
}

int TSettings::GetResolutionIndex() const {
  if (!Printers()) return 0;
  return capabilities_->GetResolutions()->GetMatchIndex(Mode().dmPrintQuality,
                                                        Mode().dmYResolution);
}

void TSettings::SetResolutionIndex(int Value) {
  const TPrinterResolution* resolutions = capabilities_->GetResolutions();
  if (!Printers() || Value < 0 || Value >= resolutions->GetCount()) return;
  Mode().dmPrintQuality = static_cast<int16_t>(resolutions->GetHRes(Value));
  Mode().dmYResolution = static_cast<int16_t>(resolutions->GetVRes(Value));
  Changed(DM_PRINTQUALITY | DM_YRESOLUTION);
}

AnsiString TSettings::GetResolutionName() const {
  int index = GetResolutionIndex();
  const TPrinterResolution* resolutions = capabilities_->GetResolutions();
  if (!Printers() || index < 0) return "";
  return TPrinterResolution::NameOf(resolutions->GetHRes(index), resolutions->GetVRes(index));
}
