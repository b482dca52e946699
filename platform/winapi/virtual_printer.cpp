#include "platform/winapi/virtual_printer.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/core/error_text.h"
#include "platform/core/files.h"
#include "platform/core/qt/qt_file_name.h"
#include "platform/core/qt/qt_text.h"
#include "platform/core/whole_file.h"
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

// A title made safe as a file name: the characters no file system of a desktop takes in a
// name (folder separators, the ones Windows' file systems refuse, control characters) become
// "_", and the name is never hidden or empty.
AnsiString FileNameOf(AnsiString title) {
  static const AnsiString kRefused = "/\\:*?\"<>|";
  for (char& c : title)
    if (static_cast<unsigned char>(c) < 0x20 || kRefused.find(c) != AnsiString::npos) c = '_';
  return title.empty() || title[0] == '.' ? "print" + title : title;
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

AnsiString TVirtualPrinter::LastFileText() const {
  return FromQString(FileNameToQString(lastFile_));
}

// Whatever failed, what the user meets is a file not written; and why, where the system said.
AnsiString TVirtualPrinter::Failed(const AnsiString& /*reason*/) const {
  const AnsiString why = lastError_ ? ": " + SystemErrorText(lastError_) : AnsiString();
  return "Die Datei \"" + LastFileText() + "\" konnte nicht geschrieben werden" + why + ".";
}

AnsiString TVirtualPrinter::OutputFor(const AnsiString& title) const {
  if (!FileName.empty()) return FileName;
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  // The whole name in the file system's encoding, so that a title's umlauts show in it.
  return FileNameFromQString(QDir(folder).filePath(ToQString(FileNameOf(title)) + ".pdf"));
}

// Qt writes the pages beside the target, which takes the target's place only when the file is
// whole: an aborted or cut job leaves the last good file as it was.
std::unique_ptr<TPrintJob> TVirtualPrinter::Start(TCanvas& canvas, const TPrintSetup& setup) {
  lastFile_ = OutputFor(setup.Title);
  lastError_ = 0;
  auto file = std::make_unique<TWholeFile>(lastFile_);
  if (!file->Ok()) {
    lastError_ = file->Error();
    return nullptr;
  }
  return StartPdfJob(PdfPrinter(dpi_, paper_, edge_, setup), std::move(file), canvas,
                     [this](TWholeFile& pages, AnsiString& failure) {
                       if (pages.Commit()) return true;
                       lastError_ = pages.Error();
                       failure = "die Druckdatei konnte nicht an ihren Platz gelegt werden";
                       return false;
                     });
}
