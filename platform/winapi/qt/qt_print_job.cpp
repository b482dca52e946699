#include "platform/winapi/qt/qt_print_job.h"

#include "platform/core/qt/qt_text.h"
#include "platform/graphics/qt/qt_canvas.h"
#include "platform/winapi/pdf_complete.h"

namespace {

// A page outside the range a job asks for is drawn on nothing, measured as the printer's.
class UndeliveredPage : public CanvasDevice {
 public:
  UndeliveredPage(TCanvas& canvas, const TDeviceCaps& caps)
      : canvas_(canvas), previous_(CanvasAccess::Device(canvas)), caps_(caps) {
    CanvasAccess::Bind(canvas_, this);
  }
  ~UndeliveredPage() override { CanvasAccess::Bind(canvas_, previous_); }
  UndeliveredPage(const UndeliveredPage&) = delete;
  UndeliveredPage& operator=(const UndeliveredPage&) = delete;

  QPainter* Painter() override { return nullptr; }
  TDeviceCaps Caps() const override { return caps_; }

 private:
  TCanvas& canvas_;
  CanvasDevice* previous_;
  TDeviceCaps caps_;
};

// The printer's page range (QPrinter::PageRange) says which pages reach it; the first of them
// takes the page that begins with the job.
class QtPrintJob : public TPrintJob {
 public:
  QtPrintJob(std::unique_ptr<QPrinter> printer, TCanvas& canvas)
      : printer_(std::move(printer)),
        canvas_(canvas),
        ranged_(printer_->printRange() == QPrinter::PageRange && printer_->fromPage() > 0) {
    started_ = painter_.begin(printer_.get());
    if (started_) BindPage();
  }
  ~QtPrintJob() override {
    if (started_) Abort();
  }

  bool Started() const { return started_; }

  bool NewPage() override {
    if (!started_) return false;
    Unbind();
    ++page_;
    bool turned = !Delivered(page_) || delivered_ == 0 || printer_->newPage();
    BindPage();
    return turned;
  }

  // A job none of whose pages lie in its range has nothing to deliver.
  bool End() override {
    if (!started_) return false;
    Unbind();
    started_ = false;
    return painter_.end() && printer_->printerState() != QPrinter::Error && delivered_ > 0;
  }

  void Abort() override {
    if (!started_) return;
    Unbind();
    started_ = false;
    printer_->abort();
    if (painter_.isActive()) painter_.end();
  }

 private:
  bool Delivered(int page) const {
    return !ranged_ || (page >= printer_->fromPage() && page <= printer_->toPage());
  }
  void BindPage() {
    if (!Delivered(page_)) {
      undelivered_ = std::make_unique<UndeliveredPage>(canvas_, DeviceCapsOf(*printer_));
      return;
    }
    ++delivered_;
    binding_ = std::make_unique<CanvasPainterBinding>(canvas_, painter_);
  }
  void Unbind() {
    binding_.reset();
    undelivered_.reset();
  }

  std::unique_ptr<QPrinter> printer_;
  TCanvas& canvas_;
  bool ranged_;
  QPainter painter_;
  bool started_ = false;
  int page_ = 1;
  int delivered_ = 0;
  std::unique_ptr<CanvasPainterBinding> binding_;
  std::unique_ptr<UndeliveredPage> undelivered_;
};

// Qt does not report a write that failed (a full disk, a file-size limit): the file is checked
// before it goes anywhere, and goes nowhere when the job is aborted. Qt takes file names as
// Unicode, the layer's keep their bytes: Qt writes through the name that the open file has in
// /proc, whatever bytes its own name holds, so the file stays open while Qt writes.
class PdfFileJob : public TPrintJob {
 public:
  PdfFileJob(std::unique_ptr<TWholeFile> file, PdfDelivery deliver)
      : deliver_(std::move(deliver)), file_(std::move(file)) {}
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
    if (!ended || !PdfComplete(file_->Name()))
      failure_ = "die Druckdatei konnte nicht ganz geschrieben werden";
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
  // The delivery may own the folder the file lies in: the file goes first.
  PdfDelivery deliver_;
  std::unique_ptr<TWholeFile> file_;
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
  bool ranged = setup.FromPage > 0;
  printer.setPrintRange(ranged ? QPrinter::PageRange : QPrinter::AllPages);
  printer.setFromTo(ranged ? setup.FromPage : 0,
                    ranged ? std::max(setup.ToPage, setup.FromPage) : 0);
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
