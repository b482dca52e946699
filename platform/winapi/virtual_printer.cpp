#include "platform/winapi/virtual_printer.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/core/file_bytes.h"
#include "platform/core/files.h"
#include "platform/winapi/qt/qt_print_job.h"
#include "platform/winapi/qt/qt_printer_info.h"

namespace {

std::unique_ptr<QPrinter> PdfPrinter(int dpi, TSize paper, TSize edge,
                                     const TPrintSetup& setup) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setResolution(dpi);
  printer->setFullPage(false);
  QPageSize size(QSizeF(paper.cx / 10.0, paper.cy / 10.0), QPageSize::Millimeter, QString(),
                 QPageSize::ExactMatch);
  QMarginsF margins(double(edge.cx) / dpi, double(edge.cy) / dpi, double(edge.cx) / dpi,
                    double(edge.cy) / dpi);
  printer->setPageLayout(QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Inch));
  ApplySetup(*printer, setup);
  return printer;
}

// A title made safe as a file name: no folder separators, never hidden or empty.
AnsiString FileNameOf(AnsiString title) {
  for (char& c : title)
    if (c == '/' || c == '\\' || c == '\0') c = '_';
  return title.empty() || title[0] == '.' ? "print" + title : title;
}

// Qt takes file names as Unicode, the layer's keep their bytes: Qt writes a temporary file,
// whose bytes go under the name as given when the job ends. An aborted job leaves nothing.
class PdfFileJob : public TPrintJob {
 public:
  PdfFileJob(std::unique_ptr<TPrintJob> job, std::string temporary, AnsiString target)
      : job_(std::move(job)), temporary_(std::move(temporary)), target_(std::move(target)) {}
  ~PdfFileJob() override {
    if (job_) Abort();
  }

  bool NewPage() override { return job_ && job_->NewPage(); }

  bool End() override {
    if (!job_) return false;
    bool ended = job_->End();
    job_.reset();
    std::string bytes;
    ended = ended && ReadFileBytes(temporary_, bytes) && WriteFileBytes(target_, bytes);
    std::remove(temporary_.c_str());
    return ended;
  }

  void Abort() override {
    if (!job_) return;
    job_->Abort();
    job_.reset();
    std::remove(temporary_.c_str());
  }

 private:
  std::unique_ptr<TPrintJob> job_;
  std::string temporary_;
  AnsiString target_;
};

// A new empty file for Qt to write; empty when none can be made.
std::string TemporaryPdf() {
  std::string name = (std::filesystem::temp_directory_path() / "kalvento-print-XXXXXX.pdf");
  int fd = mkstemps(name.data(), 4);
  if (fd < 0) return "";
  close(fd);
  return name;
}

bool FolderWritable(const AnsiString& fileName) {
  AnsiString folder = ExtractFilePath(NativePath(fileName));
  return access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

}  // namespace

TVirtualPrinter::TVirtualPrinter(AnsiString name, int dpi, TSize paper, TSize edge)
    : name_(std::move(name)),
      dpi_(dpi > 0 ? dpi : 300),
      paper_(paper),
      edge_(edge),
      info_(VirtualInfo(paper_, dpi_)) {}

TPrinterCapabilities TVirtualPrinter::Capabilities() const {
  if (info_.MaxCopies > 1) return {pcOrientation, pcCopies, pcCollation};
  return {pcOrientation};
}

TDeviceCaps TVirtualPrinter::Caps(const TPrintSetup& setup) const {
  return CapsOfDevice(*PdfPrinter(dpi_, paper_, edge_, setup), info_);
}

AnsiString TVirtualPrinter::OutputFor(const AnsiString& title) const {
  if (!FileName.empty()) return FileName;
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QFile::encodeName(folder).toStdString() + "/" + FileNameOf(title) + ".pdf";
}

std::unique_ptr<TPrintJob> TVirtualPrinter::Start(TCanvas& canvas, const TPrintSetup& setup) {
  lastFile_ = OutputFor(setup.Title);
  if (!FolderWritable(lastFile_)) return nullptr;
  std::string temporary = TemporaryPdf();
  if (temporary.empty()) return nullptr;
  auto printer = PdfPrinter(dpi_, paper_, edge_, setup);
  printer->setOutputFileName(QString::fromStdString(temporary));
  std::unique_ptr<TPrintJob> job = StartQtJob(std::move(printer), canvas);
  if (!job) {
    std::remove(temporary.c_str());
    return nullptr;
  }
  return std::make_unique<PdfFileJob>(std::move(job), std::move(temporary), lastFile_);
}
