#include "platform/winapi/virtual_printer.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "platform/winapi/qt/qt_print_job.h"

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

// A title made safe as a file name: no folder separators, never hidden or empty. Its bytes
// stay as they are, as every file name of the layer keeps them.
AnsiString FileNameOf(AnsiString title) {
  for (char& c : title)
    if (c == '/' || c == '\\' || c == '\0') c = '_';
  return title.empty() || title[0] == '.' ? "print" + title : title;
}

QString ToFileName(const AnsiString& bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace

TVirtualPrinter::TVirtualPrinter(AnsiString name, int dpi, TSize paper, TSize edge)
    : name_(std::move(name)), dpi_(dpi > 0 ? dpi : 300), paper_(paper), edge_(edge) {}

TPrinterCapabilities TVirtualPrinter::Capabilities() const { return {pcOrientation}; }

TDeviceCaps TVirtualPrinter::Caps(const TPrintSetup& setup) const {
  return CapsOfPrinter(*PdfPrinter(dpi_, paper_, edge_, setup));
}

AnsiString TVirtualPrinter::OutputFor(const AnsiString& title) const {
  if (!FileName.empty()) return FileName;
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return QFile::encodeName(folder).toStdString() + "/" + FileNameOf(title) + ".pdf";
}

std::unique_ptr<TPrintJob> TVirtualPrinter::Start(TCanvas& canvas, const TPrintSetup& setup) {
  auto printer = PdfPrinter(dpi_, paper_, edge_, setup);
  lastFile_ = OutputFor(setup.Title);
  printer->setOutputFileName(ToFileName(lastFile_));
  return StartQtJob(std::move(printer), canvas);
}
