#include "platform/graphics/pdf_document.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <optional>

#include "platform/graphics/qt/qt_canvas.h"

struct PdfDocumentState {
  explicit PdfDocumentState(const QString& fileName) : writer(fileName) {}
  QPdfWriter writer;
  QPainter painter;
  std::optional<CanvasPainterBinding> binding;
  bool ended = false;
};

namespace {

QString FromAnsi(const AnsiString& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The canvas starts each page at the printable area's corner, in device pixels.
TDeviceCaps PageCaps(QPdfWriter& writer) {
  TDeviceCaps caps;
  int dpi = writer.resolution();
  QRect paper = writer.pageLayout().fullRectPixels(dpi);
  QRect page = writer.pageLayout().paintRectPixels(dpi);
  caps.width = page.width();
  caps.height = page.height();
  caps.dpiX = caps.dpiY = dpi;
  caps.physicalWidth = paper.width();
  caps.physicalHeight = paper.height();
  caps.offsetX = page.left();
  caps.offsetY = page.top();
  return caps;
}

}  // namespace

TPdfDocument::TPdfDocument(const AnsiString& fileName, const AnsiString& title, int dpi,
                           int marginMillimetres)
    : state_(std::make_unique<PdfDocumentState>(QString::fromLocal8Bit(fileName.c_str()))) {
  QPdfWriter& writer = state_->writer;
  writer.setResolution(dpi);
  writer.setTitle(FromAnsi(title));
  writer.setCreator(FromAnsi(title));
  double margin = marginMillimetres;
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(margin, margin, margin, margin),
                                   QPageLayout::Millimeter));
  canvas_.Font->SetPixelsPerInch(dpi);
  if (state_->painter.begin(&writer))
    state_->binding.emplace(canvas_, state_->painter, PageCaps(writer));
}

TPdfDocument::~TPdfDocument() { EndDoc(); }

int TPdfDocument::PageWidth() const { return PageCaps(state_->writer).width; }
int TPdfDocument::PageHeight() const { return PageCaps(state_->writer).height; }

void TPdfDocument::NewPage() {
  if (state_->ended || !state_->painter.isActive()) return;
  state_->writer.newPage();
  ++pageNumber_;
}

bool TPdfDocument::EndDoc() {
  if (state_->ended) return false;
  state_->ended = true;
  state_->binding.reset();
  return state_->painter.isActive() && state_->painter.end();
}
