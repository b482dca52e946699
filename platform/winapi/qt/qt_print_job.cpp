#include "platform/winapi/qt/qt_print_job.h"

#include "platform/core/qt/qt_text.h"
#include "platform/graphics/qt/qt_canvas.h"
#include "platform/winapi/pdf_complete.h"

namespace {

class QtPrintJob : public TPrintJob {
 public:
  QtPrintJob(std::unique_ptr<QPrinter> printer, TCanvas& canvas)
      : printer_(std::move(printer)) {
    if (painter_.begin(printer_.get()))
      binding_ = std::make_unique<CanvasPainterBinding>(canvas, painter_);
  }
  ~QtPrintJob() override {
    if (binding_) Abort();
  }

  bool Started() const { return binding_ != nullptr; }

  bool NewPage() override { return binding_ && printer_->newPage(); }

  bool End() override {
    if (!binding_) return false;
    binding_.reset();
    return painter_.end() && printer_->printerState() != QPrinter::Error;
  }

  void Abort() override {
    if (!binding_) return;
    binding_.reset();
    printer_->abort();
    if (painter_.isActive()) painter_.end();
  }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  std::unique_ptr<CanvasPainterBinding> binding_;
};

// Qt does not report a write that failed (a full disk, a file-size limit): the file is checked
// before it goes anywhere, and goes nowhere when the job is aborted. Qt takes file names as
// Unicode, the layer's keep their bytes: Qt writes through the name that the open file has in
// /proc, whatever bytes its own name holds, so the file stays open while Qt writes.
class PdfFileJob : public TPrintJob {
 public:
  PdfFileJob(std::unique_ptr<TWholeFile> file, PdfDelivery deliver)
      : file_(std::move(file)), deliver_(std::move(deliver)) {}
  ~PdfFileJob() override {
    if (job_) Abort();
  }

  void Begin(std::unique_ptr<QPrinter> printer, TCanvas& canvas) {
    if (!file_->Ok()) return;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QStringLiteral("/proc/self/fd/%1").arg(file_->Handle()));
    job_ = StartQtJob(std::move(printer), canvas);
  }
  bool Started() const { return job_ != nullptr; }

  bool NewPage() override { return job_ && job_->NewPage(); }

  bool End() override {
    if (!job_) return false;
    bool ended = job_->End();
    job_.reset();
    if (!ended || !PdfComplete(file_->Name())) failure_ = "the PDF file could not be written whole";
    else ended = deliver_(*file_, failure_);
    file_.reset();
    return ended && failure_.empty();
  }

  void Abort() override {
    if (!job_) return;
    job_->Abort();
    job_.reset();
    file_.reset();
  }

  AnsiString Failure() const override { return failure_; }

 private:
  std::unique_ptr<TWholeFile> file_;
  PdfDelivery deliver_;
  std::unique_ptr<TPrintJob> job_;
  AnsiString failure_;
};

}  // namespace

void ApplySetup(QPrinter& printer, const TPrintSetup& setup) {
  printer.setPageOrientation(setup.Orientation == poLandscape ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
  printer.setCopyCount(std::max(1, setup.Copies));
  printer.setCollateCopies(setup.Collate);
  if (setup.Paper.cx > 0 && setup.Paper.cy > 0)
    printer.setPageSize(QPageSize(QSizeF(setup.Paper.cx / 10.0, setup.Paper.cy / 10.0),
                                  QPageSize::Millimeter));
  if (setup.Resolution > 0) printer.setResolution(setup.Resolution);
  printer.setColorMode(setup.Color ? QPrinter::Color : QPrinter::GrayScale);
  static const QPrinter::DuplexMode kDuplex[] = {QPrinter::DuplexNone, QPrinter::DuplexLongSide,
                                                 QPrinter::DuplexShortSide};
  printer.setDuplex(kDuplex[setup.Duplex]);
  // The trays that device modes and Qt both number (Qt counts one less up to the large
  // capacity tray); the automatic choice by paper (15) and a printer's own trays leave the
  // printer's choice.
  if (setup.Tray >= 1 && setup.Tray <= 11)
    printer.setPaperSource(static_cast<QPrinter::PaperSource>(setup.Tray - 1));
  else if (setup.Tray == 14)
    printer.setPaperSource(QPrinter::Cassette);
  printer.setDocName(ToQString(setup.Title));
}

TDeviceCaps CapsOfDevice(const QPrinter& printer, const TPrintDeviceInfo& info) {
  TDeviceCaps caps = DeviceCapsOf(printer);
  if (!info.Color) caps.bitsPerPixel = 1;
  return caps;
}

std::unique_ptr<TPrintJob> StartQtJob(std::unique_ptr<QPrinter> printer, TCanvas& canvas) {
  auto job = std::make_unique<QtPrintJob>(std::move(printer), canvas);
  if (!job->Started()) return nullptr;
  return job;
}

std::unique_ptr<TPrintJob> StartPdfJob(std::unique_ptr<QPrinter> printer,
                                       std::unique_ptr<TWholeFile> file, TCanvas& canvas,
                                       PdfDelivery deliver) {
  auto job = std::make_unique<PdfFileJob>(std::move(file), std::move(deliver));
  job->Begin(std::move(printer), canvas);
  if (!job->Started()) return nullptr;
  return job;
}
