// The installed printers: the queues CUPS knows, then a PDF printer for users without one.
#include <QPrinterInfo>

#include "platform/core/qt/qt_text.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/qt/qt_print_job.h"
#include "platform/winapi/virtual_printer.h"

namespace {

class TQueuePrinter : public TPrintDevice {
 public:
  explicit TQueuePrinter(const QPrinterInfo& info) : info_(info) {}

  AnsiString Name() const override { return FromQString(info_.printerName()); }
  TPrinterCapabilities Capabilities() const override {
    return {pcCopies, pcOrientation, pcCollation};
  }
  TDeviceCaps Caps(const TPrintSetup& setup) const override {
    return CapsOfPrinter(*Printer(setup));
  }
  std::unique_ptr<TPrintJob> Start(TCanvas& canvas, const TPrintSetup& setup) override {
    return StartQtJob(Printer(setup), canvas);
  }

 private:
  std::unique_ptr<QPrinter> Printer(const TPrintSetup& setup) const {
    auto printer = std::make_unique<QPrinter>(info_, QPrinter::HighResolution);
    ApplySetup(*printer, setup);
    return printer;
  }

  QPrinterInfo info_;
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
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
    if (info.printerName() == defaultName)
      installed.defaultIndex = static_cast<int>(installed.printers.size());
    installed.printers.push_back(std::make_shared<TQueuePrinter>(info));
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

void SetInstalledPrinters(TPrintDevices printers, int defaultIndex) {
  Installed& installed = TheInstalled();
  installed.printers = std::move(printers);
  int count = static_cast<int>(installed.printers.size());
  installed.defaultIndex = count == 0 ? -1 : std::clamp(defaultIndex, 0, count - 1);
  installed.read = true;
  Printer()->Refresh();
}
