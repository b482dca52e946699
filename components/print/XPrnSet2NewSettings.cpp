// The requested settings: applied with fallbacks, named from the paper table.
#include "components/print/XPrnSet2.h"

bool TNewSettings::SetPrinterSettings() {
  if (!Printers()) return false;
  Failures = TSetFailures();
  GetPrinterSettings();
  auto fallBack = [&](bool refused, auto& value, auto fallback, TSetFailure failure) {
    if (!refused) return;
    value = fallback;
    Failures << failure;
  };
  SetOrientation(Orientation);
  fallBack(Copies < 1, Copies, 1, sfCopies);
  fallBack(Copies > capabilities_->GetMaxCopies(), Copies, capabilities_->GetMaxCopies(),
           sfCopies);
  SetCopies(Copies);
  SetCollate(Collate);
  fallBack(Color && capabilities_->GetColorDepth() < 2, Color, false, sfColor);
  SetColor(Color);
  fallBack(Duplex != DuplexOff && !capabilities_->GetDuplexPossible(), Duplex, DuplexOff,
           sfDuplex);
  SetDuplex(Duplex);
  fallBack(Paper < 1 || capabilities_->GetPapers()->GetIndex(Paper) < 0, Paper, 9, sfPaper);
  SetPaper(Paper);
  fallBack(Tray < 0 || capabilities_->GetTrays()->GetIndex(Tray) < 0, Tray, 15, sfTray);
  SetTray(Tray);
  fallBack(ResolutionIndex < 0 || ResolutionIndex >= capabilities_->GetResolutions()->GetCount(),
           ResolutionIndex, 0, sfResolution);
  SetResolutionIndex(ResolutionIndex);
  if (!TSettings::SetPrinterSettings()) return false;
  owner_->GetCurrentSettings()->GetPrinterSettings2();
  return true;
}

AnsiString TNewSettings::GetPaperName() const {
  const TPaperTableEntry* paper = PaperTableEntry(Paper);
  return paper ? paper->Name : "";
}

int TNewSettings::GetPaperWidth() const {
  const TPaperTableEntry* paper = PaperTableEntry(Paper);
  return paper ? paper->Width : 0;
}

int TNewSettings::GetPaperLength() const {
  const TPaperTableEntry* paper = PaperTableEntry(Paper);
  return paper ? paper->Length : 0;
}

AnsiString TNewSettings::GetPaperNameEx() const {
  const TPaperTableEntry* paper = PaperTableEntry(Paper);
  return paper ? AnsiString(paper->Name) + " " + paper->SizeText : "";
}

void TNewSettings::GetPaperList(TStrings* List, bool WithSizes) const {
  List->Clear();
  for (int number = 1; number <= kPaperTableCount; ++number) {
    const TPaperTableEntry* paper = PaperTableEntry(number);
    List->Add(WithSizes ? AnsiString(paper->Name) + " " + paper->SizeText : paper->Name);
  }
}
