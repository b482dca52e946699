// The printer settings component: the printers' names, the current printer, the dialogs and
// the critical-printer flags.
#include "components/print/XPrnSet2.h"

#include <vector>

#include "platform/core/os_version.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/winspool.h"

TXPrintSet::TXPrintSet(TComponent* AOwner)
    : TComponent(AOwner),
      names_(std::make_unique<TStringList>()),
      capabilities_(std::make_unique<TCapabilities>(this)),
      current_(std::make_unique<TCurrentSettings>(this, capabilities_.get())),
      new_(std::make_unique<TNewSettings>(this, capabilities_.get())) {
  OSVERSIONINFOA version;
  isNT_ = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
  LoadNames();
  available_ = names_->Count() > 0;
  if (!available_) return;
  current_->GetPrinterSettings();
  new_->SetRecord(current_->GetRecord());
  capabilities_->Update(current_.get());
}

TXPrintSet::~TXPrintSet() = default;

void TXPrintSet::Fire(const TNotifyEvent& event, TObject* sender) const {
  if (event) event(sender);
}

void TXPrintSet::LoadNames() {
  names_->Clear();
  const DWORD flags = isNT_ ? PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS : PRINTER_ENUM_LOCAL;
  const DWORD level = isNT_ ? 4 : 5;
  DWORD needed = 0;
  DWORD returned = 0;
  EnumPrintersA(flags, nullptr, level, nullptr, 0, &needed, &returned);
  if (needed == 0) return;
  std::vector<uint8_t> buffer(needed);
  if (!EnumPrintersA(flags, nullptr, level, buffer.data(), needed, &needed, &returned)) return;
  for (DWORD i = 0; i < returned; ++i)
    names_->Add(level == 4 ? reinterpret_cast<PRINTER_INFO_4A*>(buffer.data())[i].pPrinterName
                           : reinterpret_cast<PRINTER_INFO_5A*>(buffer.data())[i].pPrinterName);
}

int TXPrintSet::GetCurrentPrinter() const {
  return Printer()->GetPrinters()->Count() == 0 ? -1 : Printer()->GetPrinterIndex();
}

// An index the printer list does not hold, or a job running, changes nothing.
void TXPrintSet::SetCurrentPrinter(int Index) {
  if (!available_ || names_->Count() == 0 || Index == GetCurrentPrinter()) return;
  if (Index < -1 || Index >= Printer()->GetPrinters()->Count() || Printer()->GetPrinting()) return;
  if (xprint_) xprint_->SetCurrentPrinter(Index);
  else Printer()->SetPrinterIndex(Index);
  bool read = isNT_ ? current_->GetPrinterSettings() : current_->GetPrinterSettings2();
  if (read) {
    new_->SetRecord(current_->GetRecord());
    capabilities_->Update(current_.get());
  } else {
    new_->InitPrinterSettings();
    Fire(OnErrorReadSettings, this);
  }
}

int TXPrintSet::PrinterIndexByName(const AnsiString& Name) const {
  if (!available_ || Name.empty()) return -1;
  TStrings* printers = Printer()->GetPrinters();
  for (int i = 0; i < printers->Count(); ++i)
    if (printers->Strings(i) == Name) return i;
  return -1;
}

bool TXPrintSet::GetCriticalPrinter() const { return IsCriticalPrinter(GetCurrentPrinter()); }

void TXPrintSet::SetCriticalPrinter(int Index, bool Flag) {
  if (Index >= 0 && Index < names_->Count() && Index < int(critical_.size()))
    critical_[Index] = Flag;
}

bool TXPrintSet::IsCriticalPrinter(int Index) const {
  return Index >= 0 && Index < int(critical_.size()) && critical_[Index];
}

bool TXPrintSet::ExecPrintDialog() {
  if (!printDialog_ || !available_) return false;
  int previous = GetCurrentPrinter();
  return AfterDialog(printDialog_->Execute(), previous);
}

bool TXPrintSet::ExecPrinterSetupDialog() {
  if (!setupDialog_ || !available_) return false;
  int previous = GetCurrentPrinter();
  return AfterDialog(setupDialog_->Execute(), previous);
}

// The dialog read the printers again: the names follow.
bool TXPrintSet::AfterDialog(bool executed, int previousIndex) {
  if (!executed) return false;
  LoadNames();
  if (xprint_) xprint_->SyncIndex();
  bool read = current_->GetPrinterSettings2();
  new_->GetPrinterSettings2();
  if (read) capabilities_->Update(current_.get());
  else Fire(OnErrorReadSettings, this);
  if (GetCurrentPrinter() != previousIndex) Fire(OnPrinterChanged, this);
  return true;
}

void TXPrintSet::Loaded() {
  TComponent::Loaded();
  if (xprint_) xprint_->SyncIndex();
  if (Printer()->GetPrinters()->Count() == 0) Fire(OnNoPrinterAvailable, this);
  currentIndex_ = GetCurrentPrinter();
}

void TXPrintSet::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == xprint_) xprint_ = nullptr;
  if (AComponent == printDialog_) printDialog_ = nullptr;
  if (AComponent == setupDialog_) setupDialog_ = nullptr;
}

void TXPrintSet::Link(TComponent* old, TComponent* next) {
  if (old && old != next) RemoveFreeNotification(old);
  if (next) next->FreeNotification(this);
}

void TXPrintSet::SetXPrint(TXPrint* Value) {
  Link(xprint_, Value);
  xprint_ = Value;
}

void TXPrintSet::SetPrintDialog(TPrintDialog* Value) {
  Link(printDialog_, Value);
  printDialog_ = Value;
}

void TXPrintSet::SetPrinterSetupDialog(TPrinterSetupDialog* Value) {
  Link(setupDialog_, Value);
  setupDialog_ = Value;
}
