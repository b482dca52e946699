// Settings records: reading them from the printer, handing them to it, and choosing the
// printer a record names.
#include <algorithm>
#include <cstring>

#include "components/print/XPrnSet2.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/winspool.h"

AnsiString PrinterNameOf(const TPrinterSettings& settings) {
  int length = std::min<int>(settings.PrinterName[0], sizeof settings.PrinterName - 1);
  return AnsiString(reinterpret_cast<const char*>(settings.PrinterName + 1), length);
}

int DevModeSizeOf(const TPrinterSettings& settings) {
  return settings.DevMode.dmSize + settings.DevMode.dmDriverExtra;
}

TSettings::TSettings(TXPrintSet* AOwner, TCapabilities* ACapabilities, bool ApplyImmediately)
    : owner_(AOwner),
      capabilities_(ACapabilities),
      applyImmediately_(ApplyImmediately),
      settings_(std::make_unique<TPrinterSettings>()) {
  InitPrinterSettings();
}

void TSettings::InitPrinterSettings() { std::memset(settings_.get(), 0, sizeof *settings_); }

bool TSettings::Printers() const { return owner_->GetPrintersAvailable(); }

// The name is the printer object's entry for its current printer, cut to the field.
void TSettings::TakeName() {
  std::memset(settings_->PrinterName, 0, sizeof settings_->PrinterName);
  int index = owner_->GetCurrentPrinter();
  TStrings* printers = Printer()->GetPrinters();
  if (index < 0 || index >= printers->Count()) return;
  AnsiString name = printers->Strings(index).substr(0, sizeof settings_->PrinterName - 1);
  settings_->PrinterName[0] = static_cast<uint8_t>(name.size());
  std::memcpy(settings_->PrinterName + 1, name.data(), name.size());
}

bool TSettings::GetPrinterSettings() {
  AnsiString device, driver, port;
  HGLOBAL handle = nullptr;
  if (Printers()) Printer()->GetPrinter(device, driver, port, handle);
  // A driver whose device mode would not fit the record is refused, not copied.
  int size = Printers() ? DocumentPropertiesA(nullptr, nullptr, device.c_str(), nullptr, nullptr, 0)
                        : -1;
  if (size <= 0 || size > kDevModeRoom ||
      DocumentPropertiesA(nullptr, nullptr, device.c_str(), &settings_->DevMode, nullptr,
                          DM_OUT_BUFFER) != 1) {
    InitPrinterSettings();
    return false;
  }
  TakeName();
  return true;
}

bool TSettings::GetPrinterSettings2() {
  AnsiString device, driver, port;
  HGLOBAL handle = nullptr;
  if (Printers()) Printer()->GetPrinter(device, driver, port, handle);
  const auto* bytes = static_cast<const uint8_t*>(GlobalLock(handle));
  size_t available = GlobalSize(handle);
  DEVMODEA head{};
  if (bytes) std::memcpy(&head, bytes, std::min(available, sizeof head));
  size_t size = size_t{head.dmSize} + head.dmDriverExtra;
  bool fits = bytes && available >= offsetof(DEVMODEA, dmFields) && size <= available &&
              size <= kDevModeRoom;
  if (fits) {
    InitPrinterSettings();
    TakeName();
    std::memcpy(DevModeBytesOf(*settings_), bytes, size);
  }
  GlobalUnlock(handle);
  if (!fits) InitPrinterSettings();
  return fits;
}

// Copies the first `bytes` of the device mode into the printer object's block (grown to
// hold them) and hands it back.
bool TSettings::WriteToPrinter(int bytes) {
  bool written = false;
  if (Printers() && settings_->PrinterName[0] != 0 && bytes >= 0 && bytes <= kDevModeRoom) {
    AnsiString device, driver, port;
    HGLOBAL handle = nullptr;
    try {
      Printer()->GetPrinter(device, driver, port, handle);
      if (handle && GlobalSize(handle) < size_t(bytes)) GlobalReAlloc(handle, bytes, GHND);
      if (handle) {
        if (void* to = GlobalLock(handle)) std::memcpy(to, DevModeBytesOf(*settings_), bytes);
        GlobalUnlock(handle);
        Printer()->SetPrinter(device, driver, port, handle);
        written = true;
      }
    } catch (const EPrinter&) {
      written = false;
    }
  }
  if (!written) owner_->Fire(owner_->OnErrorWriteSettings, this);
  return written;
}

bool TSettings::SetPrinterSettings() { return WriteToPrinter(settings_->DevMode.dmSize); }

bool TSettings::SetPrinterSettingsExtra() {
  return WriteToPrinter(DevModeSizeOf(*settings_));
}

TSettings::Adoption TSettings::Adopt(const TPrinterSettings& settings) {
  int index = owner_->PrinterIndexByName(PrinterNameOf(settings));
  if (index < 0) return Adoption::UnknownPrinter;
  // The record may be this object's own, which choosing the printer reads anew.
  auto adopted = std::make_unique<TPrinterSettings>(settings);
  int previous = owner_->GetCurrentPrinter();
  owner_->SetCurrentPrinter(index);
  *settings_ = *adopted;
  bool set = SetPrinterSettingsExtra();
  if (owner_->GetCurrentPrinter() != previous) owner_->Fire(owner_->OnPrinterChanged, this);
  return set ? Adoption::Set : Adoption::Refused;
}

bool TSettings::ChooseAndSet(const TPrinterSettings& Settings) {
  if (DevModeSizeOf(Settings) > kDevModeRoom) return false;
  return Adopt(Settings) == Adoption::Set;
}
