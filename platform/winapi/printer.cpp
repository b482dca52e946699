#include "platform/winapi/printer.h"

#include <QCoreApplication>
#include <QFontDatabase>

#include <algorithm>
#include <cstring>
#include <string>
#include <typeinfo>

#include "platform/core/qt/qt_text.h"
#include "platform/graphics/qt/qt_canvas.h"
#include "platform/winapi/devmode.h"
#include "platform/winapi/gdi.h"

// Outside a job the canvas is bound here: nothing to paint on, the page of the current setup
// to measure.
class TPrinter::InfoDevice : public CanvasDevice {
 public:
  explicit InfoDevice(TPrinter& printer) : printer_(printer) {}
  QPainter* Painter() override { return nullptr; }
  TDeviceCaps Caps() const override {
    TPrintDevice* device = printer_.GetDevice();
    return device ? device->Caps(printer_.setup_) : TDeviceCaps();
  }

 private:
  TPrinter& printer_;
};

TPrinter::TPrinter()
    : Canvas(new TCanvas),
      canvas_(Canvas),
      info_(std::make_unique<InfoDevice>(*this)),
      printers_(std::make_unique<TStringList>()),
      fonts_(std::make_unique<TStringList>()) {}

TPrinter::~TPrinter() { GlobalFree(deviceMode_); }

void TPrinter::CheckPrinting(bool printing) const {
  if (GetPrinting() == printing) return;
  throw EPrinter(printing ? "Es l\xE4uft kein Druckauftrag."
                          : "Ein Druckauftrag l\xE4uft bereits.");
}

namespace {

// The same printer in a list read again: the object kept (the file printer, also where it was
// renamed), or a printer of the same kind by the same name (a queue is read anew each time),
// so that a file printer and a queue of one name never stand for each other.
bool SamePrinter(const TPrintDevice& a, const TPrintDevice& b) {
  return &a == &b || (a.Name() == b.Name() && typeid(a) == typeid(b));
}

}  // namespace

void TPrinter::Refresh(bool keepChoice) {
  CheckPrinting(false);
  std::shared_ptr<TPrintDevice> before = keepChoice && index_ >= 0 ? devices_[index_] : nullptr;
  TPrintSetup setup = setup_;
  devices_ = InstalledPrinters();
  printers_->Clear();
  for (const auto& device : devices_) printers_->Add(device->Name());
  listed_ = true;
  if (!before) return Choose(-1);
  // A printer nobody chose follows the default: after a start without the print service, the
  // service's return brings the system's default printer.
  int kept = -1;
  for (int i = 0; i < static_cast<int>(devices_.size()); ++i)
    if (SamePrinter(*devices_[i], *before) && (chosen_ || i == DefaultIndex())) kept = i;
  if (kept < 0) return Choose(-1);
  index_ = kept;
  setup_ = setup;
  Rebind();
}

int TPrinter::DefaultIndex() const {
  const int count = static_cast<int>(devices_.size());
  return count == 0 ? -1 : std::clamp(DefaultPrinterIndex(), 0, count - 1);
}

void TPrinter::Choose(int index) {
  int count = static_cast<int>(devices_.size());
  if (index != -1 && (index < 0 || index >= count))
    throw EPrinter("Es gibt keinen Drucker mit der Nummer " + std::to_string(index) + ".");
  chosen_ = index != -1;
  index_ = index == -1 ? DefaultIndex() : index;
  setup_ = index_ < 0 ? TPrintSetup() : OwnSetup(devices_[index_]->Info());
  Rebind();
}

// The canvas measures the page the printer and setup give now.
void TPrinter::Rebind() {
  if (!GetPrinting()) CanvasAccess::Bind(*Canvas, info_.get());
}

void TPrinter::List() {
  if (!listed_) Refresh();
}

HDC TPrinter::GetHandle() {
  List();
  return Canvas->GetHandle();
}

int TPrinter::GetPrinterIndex() {
  List();
  return index_;
}

void TPrinter::SetPrinterIndex(int index) {
  CheckPrinting(false);
  List();
  Choose(index);
}

TStrings* TPrinter::GetPrinters() {
  List();
  return printers_.get();
}

TPrintDevice* TPrinter::GetDevice() {
  int index = GetPrinterIndex();
  return index < 0 ? nullptr : devices_[index].get();
}

TPrinterCapabilities TPrinter::GetCapabilities() {
  TPrintDevice* device = GetDevice();
  return device ? device->Capabilities() : TPrinterCapabilities();
}

TStrings* TPrinter::GetFonts() {
  if (fonts_->Count() == 0)
    for (const QString& family : QFontDatabase::families()) fonts_->Add(FromQString(family));
  return fonts_.get();
}

void TPrinter::GetPrinter(AnsiString& device, AnsiString& driver, AnsiString& port,
                          HGLOBAL& deviceMode) {
  driver.clear();
  port.clear();
  TPrintDevice* current = GetDevice();
  device = current ? current->Name() : "";
  deviceMode = nullptr;
  if (!current) return;
  DEVMODEA mode = DevModeOf(*current, setup_);
  if (!deviceMode_) deviceMode_ = GlobalAlloc(GHND, sizeof mode);
  GlobalReAlloc(deviceMode_, sizeof mode, GHND);
  std::memcpy(GlobalLock(deviceMode_), &mode, sizeof mode);
  GlobalUnlock(deviceMode_);
  deviceMode = deviceMode_;
}

void TPrinter::SetPrinter(const AnsiString& device, const AnsiString& /*driver*/,
                          const AnsiString& /*port*/, HGLOBAL deviceMode) {
  CheckPrinting(false);
  List();
  auto named = std::find_if(devices_.begin(), devices_.end(),
                            [&](const auto& d) { return d->Name() == device; });
  if (named == devices_.end()) throw EPrinter("Es gibt keinen Drucker \"" + device + "\".");
  int index = static_cast<int>(named - devices_.begin());
  if (index != index_) Choose(index);
  chosen_ = true;
  if (deviceMode != deviceMode_) {
    GlobalFree(deviceMode_);
    deviceMode_ = deviceMode;
  }
  if (void* bytes = GlobalLock(deviceMode_)) {
    ApplyDevMode(*devices_[index], bytes, GlobalSize(deviceMode_), setup_);
    GlobalUnlock(deviceMode_);
  }
  Rebind();
}

void TPrinter::SetCopies(int copies) {
  CheckPrinting(false);
  setup_.Copies = copies;
}

void TPrinter::SetOrientation(TPrinterOrientation orientation) {
  TPrintSetup setup = setup_;
  setup.Orientation = orientation;
  SetSetup(setup);
}

void TPrinter::SetSetup(const TPrintSetup& setup) {
  CheckPrinting(false);
  setup_ = setup;
  Rebind();
}

void TPrinter::BeginDoc() {
  CheckPrinting(false);
  TPrintDevice* device = GetDevice();
  if (!device) throw EPrinter("Es ist kein Drucker eingerichtet.");
  // Each job gets a fresh device context.
  Canvas->Mapping() = TMapping();
  SelectClipRgn(Canvas, nullptr);
  Canvas->SelectFont(nullptr);
  setup_.Title = JobTitle();
  job_ = device->Start(*Canvas, setup_);
  if (!job_) throw EPrinter(device->Failed(""));
  aborted_ = false;
  pageNumber_ = 1;
}

// A job without a title is known by the program's name in the print queue.
AnsiString TPrinter::JobTitle() const {
  return Title.empty() ? FromQString(QCoreApplication::applicationName()) : Title;
}

void TPrinter::NewPage() {
  CheckPrinting(true);
  job_->NewPage();
  ++pageNumber_;
  // A new page takes the canvas's own font again, as the class library's refresh does.
  Canvas->SelectFont(nullptr);
}

// A range that starts behind the last page delivers nothing: the job is aborted and the user
// told, rather than a blank page printed.
void TPrinter::EndDoc() {
  CheckPrinting(true);
  if (setup_.FromPage > pageNumber_) {
    const int from = setup_.FromPage;
    Abort();
    throw EPrinter("Es wurde nichts gedruckt: der Druckbereich beginnt bei Seite " +
                   std::to_string(from) + ", es gibt aber nur " + std::to_string(pageNumber_) +
                   (pageNumber_ == 1 ? " Seite." : " Seiten."));
  }
  std::unique_ptr<TPrintJob> job = std::move(job_);
  bool ended = job->End();
  AnsiString failure = job->Failure();
  Finish(std::move(job));
  // Pages that never reached their printer or file count as an aborted job.
  aborted_ = !ended;
  if (!ended) throw EPrinter(GetDevice()->Failed(failure));
}

void TPrinter::Abort() {
  CheckPrinting(true);
  std::unique_ptr<TPrintJob> job = std::move(job_);
  job->Abort();
  Finish(std::move(job));
  aborted_ = true;
}

// The job goes, and with it its page range.
void TPrinter::Finish(std::unique_ptr<TPrintJob> job) {
  job.reset();
  setup_.FromPage = setup_.ToPage = 0;
  Rebind();
}

namespace {

std::unique_ptr<TPrinter>& GlobalPrinter() {
  static std::unique_ptr<TPrinter> printer;
  return printer;
}

}  // namespace

TPrinter* Printer() {
  auto& printer = GlobalPrinter();
  if (!printer) printer = std::make_unique<TPrinter>();
  return printer.get();
}

TPrinter* SetPrinter(TPrinter* printer) {
  TPrinter* old = GlobalPrinter().release();
  GlobalPrinter().reset(printer);
  return old;
}
