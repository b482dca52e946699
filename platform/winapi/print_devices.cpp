// The installed printers: the queues CUPS knows, then a PDF printer for users without one.
#include <QPrinterInfo>

#include <string>

#include "platform/core/private_folder.h"
#include "platform/core/whole_file.h"
#include "platform/core/qt/qt_text.h"
#include "platform/winapi/cups_queue.h"
#include "platform/winapi/devmode.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/qt/qt_print_job.h"
#include "platform/winapi/qt/qt_printer_info.h"
#include "platform/winapi/virtual_printer.h"

namespace {

// A CUPS queue, known by name only: Qt's printer records must not outlive the application.
// Qt lays out the pages for the queue; the program hands the finished PDF to CUPS itself, so
// that a queue's refusal is known and its trays can be chosen.
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
    return CapsOfDevice(*Printer(WithOwnDefaults(Info(), setup)), Info());
  }
  std::unique_ptr<TPrintJob> Start(TCanvas& canvas, const TPrintSetup& setup) override {
    // The pages only pass through a file on their way to CUPS: it is never committed, and
    // goes with the job, in a folder of the job's own that goes after it.
    auto folder = std::make_shared<TPrivateFolder>("kalvento-print");
    if (!folder->Ok()) return nullptr;
    auto file = std::make_unique<TWholeFile>(folder->Path() + "print.pdf");
    if (!file->Ok()) return nullptr;
    TPrintSetup own = WithOwnDefaults(Info(), setup);
    std::unique_ptr<QPrinter> queue = Printer(own);
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setResolution(queue->resolution());
    pdf->setFullPage(queue->fullPage());
    pdf->setPageLayout(queue->pageLayout());
    pdf->setDocName(queue->docName());
    pdf->setPrintRange(queue->printRange());
    pdf->setFromTo(queue->fromPage(), queue->toPage());
    CupsOptions options = JobOptions(setup, queue->pageLayout().pageSize());
    // CUPS speaks UTF-8.
    std::string name = name_.toStdString(), title = ToQString(setup.Title).toStdString();
    return StartPdfJob(std::move(pdf), std::move(file), canvas,
                       [name, title, options, folder](TWholeFile& pages, AnsiString& failure) {
                         std::string reason;
                         if (SubmitCupsJob(name, pages.Name(), title, options, reason)) return true;
                         failure = FromQString(QString::fromStdString(reason));
                         return false;
                       });
  }

 private:
  std::unique_ptr<QPrinter> Printer(const TPrintSetup& setup) const {
    auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name_),
                                              QPrinter::HighResolution);
    ApplySetup(*printer, setup);
    // The queue's own size of that name: papers of one size may print differently.
    if (setup.Paper.cx > 0 && setup.Paper.cy > 0)
      printer->setPageSize(QueuePageSize(name_, setup));
    return printer;
  }

  // What the job asks of the queue beyond its pages, in CUPS's option names: only what the
  // setup changes, so that the queue's own paper, tray, sides and colour apply otherwise.
  CupsOptions JobOptions(const TPrintSetup& setup, const QPageSize& paper) const {
    const TPrintDeviceInfo& info = Info();
    CupsOptions options;
    // Only a paper the user chose is looked up: asking Qt for the queue's sizes goes to CUPS.
    bool paperChosen = (setup.Paper.cx > 0 && setup.Paper.cy > 0) || setup.PaperNumber != 0;
    if (paperChosen)
      for (const QPageSize& listed : QPrinterInfo::printerInfo(name_).supportedPageSizes())
        if (listed.key() == paper.key()) {
          options.push_back({"media", paper.key().toStdString()});
          break;
        }
    if (setup.Copies > 1) {
      options.push_back({"copies", std::to_string(setup.Copies)});
      options.push_back({"collate", setup.Collate ? "true" : "false"});
    }
    static const char* const kSides[] = {"one-sided", "two-sided-long-edge",
                                         "two-sided-short-edge"};
    if (info.Duplex && setup.Duplex != info.DefaultDuplex)
      options.push_back({"sides", kSides[setup.Duplex]});
    if (info.Color && setup.Color != info.DefaultColor)
      options.push_back({"print-color-mode", setup.Color ? "color" : "monochrome"});
    auto dpi = [](const TPrintSetup& s) {
      return TSize{s.Resolution, s.ResolutionY > 0 ? s.ResolutionY : s.Resolution};
    };
    TSize asked = dpi(setup);
    if (asked.cx > 0 && asked != dpi(WithOwnDefaults(info, TPrintSetup())))
      options.push_back({"printer-resolution",
                         asked.cx == asked.cy
                             ? std::to_string(asked.cx) + "dpi"
                             : std::to_string(asked.cx) + "x" + std::to_string(asked.cy) + "dpi"});
    // A tray the queue listed goes by its keyword; the automatic one leaves the queue's choice.
    for (const TTrayInfo& tray : info.Trays)
      if (tray.Number == setup.Tray && tray.Number != info.DefaultTray &&
          tray.Number != DMBIN_FORMSOURCE)
        options.push_back(CupsTrayOption(tray.Name.c_str()));
    return options;
  }

  QString name_;
  mutable std::unique_ptr<TPrintDeviceInfo> info_;
};

struct Installed {
  bool read = false;
  bool system = false;  // the system's printers, not ones put in their place
  bool serviceDown = false;  // the print service did not answer when they were read
  TPrintDevices printers;
  int defaultIndex = -1;
};

Installed& TheInstalled() {
  static Installed installed;
  return installed;
}

// "PDF", unless a queue has that name (the usual one of a PDF queue): then a name with a blank,
// which no queue can have, so that each printer is found by its name.
AnsiString FilePrinterName(const Installed& installed) {
  for (const auto& printer : installed.printers)
    if (printer->Name() == "PDF") return "PDF (Datei)";
  return "PDF";
}

// The file printer, under that name: the one read before stays the same object, renamed
// where a queue took its old name, so that a choice of it and the file it was given stay.
std::shared_ptr<TPrintDevice> FilePrinter(const AnsiString& name, const TPrintDevices& before) {
  for (const auto& printer : before)
    if (auto* file = dynamic_cast<TVirtualPrinter*>(printer.get())) {
      file->SetName(name);
      return printer;
    }
  return std::make_shared<TVirtualPrinter>(name, 600);
}

void ReadSystemPrinters(Installed& installed) {
  TPrintDevices before = std::move(installed.printers);
  installed = Installed();
  QString defaultName = QPrinterInfo::defaultPrinterName();
  for (const QString& name : QPrinterInfo::availablePrinterNames()) {
    if (name == defaultName) installed.defaultIndex = static_cast<int>(installed.printers.size());
    installed.printers.push_back(std::make_shared<TQueuePrinter>(name));
  }
  // Only a list without queues asks whether the service is there at all.
  installed.serviceDown = installed.printers.empty() && !CupsServiceReachable();
  installed.printers.push_back(FilePrinter(FilePrinterName(installed), before));
  if (installed.defaultIndex < 0) installed.defaultIndex = 0;
  installed.read = installed.system = true;
}

Installed& Read() {
  Installed& installed = TheInstalled();
  if (!installed.read) ReadSystemPrinters(installed);
  return installed;
}

}  // namespace

const TPrintDevices& InstalledPrinters() { return Read().printers; }

int DefaultPrinterIndex() { return Read().defaultIndex; }

bool PrintServiceDown() {
  const Installed& installed = Read();
  return installed.system && installed.serviceDown;
}

TPrintDevice* InstalledPrinter(const AnsiString& name) {
  for (const auto& printer : InstalledPrinters())
    if (printer->Name() == name) return printer.get();
  return nullptr;
}

void ReadInstalledPrinters() {
  Installed& installed = TheInstalled();
  installed.printers.clear();
  ReadSystemPrinters(installed);
  Printer()->Refresh();
}

void UpdateInstalledPrinters() {
  Installed& installed = TheInstalled();
  if (installed.read && !installed.system) return;
  ReconnectCups();
  ReadSystemPrinters(installed);
  Printer()->Refresh(true);
}

void SetInstalledPrinters(TPrintDevices printers, int defaultIndex) {
  Installed& installed = TheInstalled();
  installed.printers = std::move(printers);
  int count = static_cast<int>(installed.printers.size());
  installed.defaultIndex = count == 0 ? -1 : std::clamp(defaultIndex, 0, count - 1);
  installed.read = true;
  installed.system = false;
  Printer()->Refresh();
}

AnsiString TPrintDevice::Failed(const AnsiString& reason) const {
  return "Die Seiten wurden nicht auf \"" + Name() + "\" gedruckt" +
         (reason.empty() ? AnsiString() : ": " + reason) + ".";
}
