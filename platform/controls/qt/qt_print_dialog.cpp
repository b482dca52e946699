#include "platform/controls/qt/qt_print_dialog.h"

#include <QFile>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

#include "platform/core/qt/qt_text.h"
#include "platform/winapi/qt/qt_print_job.h"

namespace {

// Qt knows the CUPS queues by name; any other printer of the layer writes a PDF file, which
// Qt's dialog offers as printing to a file.
std::unique_ptr<QPrinter> PrinterFor(const PrintDialogRequest& request) {
  QString name;
  if (request.printerIndex >= 0 && request.printerIndex < int(request.printers.size()))
    name = ToQString(request.printers[request.printerIndex]);
  QPrinterInfo queue = QPrinterInfo::printerInfo(name);
  auto printer = queue.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                : std::make_unique<QPrinter>(queue, QPrinter::HighResolution);
  if (queue.isNull()) printer->setOutputFormat(QPrinter::PdfFormat);
  // Qt starts a queue on A4 whatever its own paper; a setup without paper shows the queue's.
  else printer->setPageSize(queue.defaultPageSize());
  ApplySetup(*printer, request.settings);
  if (queue.isNull() && !request.fileName.empty())
    printer->setOutputFileName(QFile::decodeName(QByteArray::fromStdString(request.fileName)));
  return printer;
}

// The printer the user chose: a queue by its name, printing to a file as the first printer
// that is no queue.
int ChosenIndex(const PrintDialogRequest& request, const QPrinter& printer) {
  for (int i = 0; i < int(request.printers.size()); ++i) {
    bool queue = !QPrinterInfo::printerInfo(ToQString(request.printers[i])).isNull();
    if (printer.outputFormat() == QPrinter::PdfFormat ? !queue
                                                      : FromQString(printer.printerName()) ==
                                                            request.printers[i])
      return i;
  }
  return request.printerIndex;
}

void TakeSetup(const QPrinter& printer, TPrintSetup& setup) {
  QPageLayout layout = printer.pageLayout();
  setup.Orientation = layout.orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
  QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
  TSize paper{int(std::lround(mm.width() * 10)), int(std::lround(mm.height() * 10))};
  if (paper != setup.Paper) {
    setup.Paper = paper;
    setup.PaperNumber = 0;  // the printer's list numbers and names it
    setup.PaperName.clear();
  }
  setup.Copies = std::max(1, printer.copyCount());
  setup.Collate = printer.collateCopies();
  setup.Color = printer.colorMode() == QPrinter::Color;
  switch (printer.duplex()) {
    case QPrinter::DuplexLongSide: setup.Duplex = pdLongEdge; break;
    case QPrinter::DuplexShortSide: setup.Duplex = pdShortEdge; break;
    default: setup.Duplex = pdSimplex;
  }
}

}  // namespace

bool ShowPrintDialog(PrintDialogRequest& request) {
  std::unique_ptr<QPrinter> printer = PrinterFor(request);
  QPrintDialog dialog(printer.get());
  dialog.setWindowTitle(QString::fromUtf8(request.setupOnly ? "Druckereinrichtung" : "Drucken"));
  QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
  if (!request.setupOnly) options |= QAbstractPrintDialog::PrintCollateCopies;
  dialog.setOptions(options);
  if (dialog.exec() != QDialog::Accepted) return false;
  request.printerIndex = ChosenIndex(request, *printer);
  TakeSetup(*printer, request.settings);
  // Qt proposes a folder until a file is chosen; the file keeps its bytes.
  QString file = printer->outputFileName();
  request.fileName.clear();
  if (printer->outputFormat() == QPrinter::PdfFormat && !file.isEmpty() && !file.endsWith('/'))
    request.fileName = QFile::encodeName(file).toStdString();
  return true;
}
