// The installed printers: the queues CUPS knows, then a PDF printer for users without one.
#include <QPrinterInfo>

#include "platform/core/qt/qt_text.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/qt/qt_print_job.h"
#include "platform/winapi/qt/qt_printer_info.h"
#include "platform/winapi/virtual_printer.h"

namespace {

// A CUPS queue, known by name only: Qt's printer records must not outlive the application.
class TQueuePrinter : public TPrintDevice {
 public:
  explicit TQueuePrinter(const QString& name) : name_(name) {}

  AnsiString Name() const override { return FromQString(name_); }
  TPrinterCapabilities Capabilities() const override {
    return {pcCopies, pcOrientation, pcCollation};
  }
  // Read at the first need: CUPS is asked over its socket.
  const TPrintDeviceInfo& Info() const override {
    if (!info_) info_ = std::make_unique<TPrintDeviceInfo>(QueueInfo(name_));
    return *info_;
  }
  TDeviceCaps Caps(const TPrintSetup& setup) const override {
    return CapsOfDevice(*Printer(setup), Info());
  }
  std::unique_ptr<TPrintJob> Start(TCanvas& canvas, const TPrintSetup& setup) override {
    return StartQtJob(Printer(setup), canvas);
  }

 private:
  std::unique_ptr<QPrinter> Printer(const TPrintSetup& setup) const {
    auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name_),
                                              QPrinter::HighResolution);
    ApplySetup(*printer, setup);
    return printer;
  }

  QString name_;
  mutable std::unique_ptr<TPrintDeviceInfo> info_;
};

struct Installed {
  bool read = false;
  TPrintDevices printers;
  int defaultIndex = -1;
};

Installed& TheInstalled() {
  static Installed installed;
  return installed;
}

void ReadSystemPrinters(Installed& installed) {
  QString defaultName = QPrinterInfo::defaultPrinterName();
  for (const QString& name : QPrinterInfo::availablePrinterNames()) {
    if (name == defaultName) installed.defaultIndex = static_cast<int>(installed.printers.size());
    installed.printers.push_back(std::make_shared<TQueuePrinter>(name));
  }
  installed.printers.push_back(std::make_shared<TVirtualPrinter>("PDF", 600));
  if (installed.defaultIndex < 0) installed.defaultIndex = 0;
  installed.read = true;
}

Installed& Read() {
  Installed& installed = TheInstalled();
  if (!installed.read) ReadSystemPrinters(installed);
  return installed;
}

}  // namespace

const TPrintDevices& InstalledPrinters() { return Read().printers; }

int DefaultPrinterIndex() { return Read().defaultIndex; }

TPrintDevice* InstalledPrinter(const AnsiString& name) {
  for (const auto& printer : InstalledPrinters())
    if (printer->Name() == name) return printer.get();
  return nullptr;
}

void SetInstalledPrinters(TPrintDevices printers, int defaultIndex) {
  Installed& installed = TheInstalled();
  installed.printers = std::move(printers);
  int count = static_cast<int>(installed.printers.size());
  installed.defaultIndex = count == 0 ? -1 : std::clamp(defaultIndex, 0, count - 1);
  installed.read = true;
  Printer()->Refresh();
}
