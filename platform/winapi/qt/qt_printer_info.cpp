#include "platform/winapi/qt/qt_printer_info.h"

#include <QPageSize>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

#include "platform/core/qt/qt_text.h"
#include "platform/winapi/cups_queue.h"
#include "platform/winapi/devmode.h"

namespace {

TSize Tenths(const QSizeF& mm) {
  return {static_cast<int>(std::lround(mm.width() * 10)),
          static_cast<int>(std::lround(mm.height() * 10))};
}

// A page size as a listed paper; sizes that device modes do not number get numbers of their
// own from `nextUser` on.
TPaperInfo PaperOf(const QPageSize& size, int& nextUser) {
  int number = size.windowsId();
  if (number <= 0 || number >= DMPAPER_USER) number = nextUser++;
  return {number, FromQString(size.name()), Tenths(size.size(QPageSize::Millimeter))};
}

TTrayInfo AutomaticTray() { return {DMBIN_FORMSOURCE, "Automatisch"}; }

// The smallest and largest listed paper, where the printer does not tell them.
void ExtentsFromPapers(TPrintDeviceInfo& info) {
  if (info.Papers.empty()) return;
  info.MinExtent = info.MaxExtent = info.Papers.front().Size;
  for (const TPaperInfo& paper : info.Papers) {
    info.MinExtent = {std::min(info.MinExtent.cx, paper.Size.cx),
                      std::min(info.MinExtent.cy, paper.Size.cy)};
    info.MaxExtent = {std::max(info.MaxExtent.cx, paper.Size.cx),
                      std::max(info.MaxExtent.cy, paper.Size.cy)};
  }
}

// The queue's own paper, by name first: papers may share a number and a size.
void OwnPaper(const QPageSize& own, TPrintDeviceInfo& info) {
  const TPaperInfo* found = nullptr;
  for (const TPaperInfo& paper : info.Papers) {
    if (paper.Size != Tenths(own.size(QPageSize::Millimeter))) continue;
    if (!found || paper.Name == FromQString(own.name())) found = &paper;
    if (paper.Name == FromQString(own.name())) break;
  }
  if (!found) return;
  info.DefaultPaper = found->Number;
  info.DefaultPaperName = found->Name;
}

void TakeExtent(const QPageSize& size, TSize& extent) {
  TSize tenths = size.isValid() ? Tenths(size.size(QPageSize::Millimeter)) : TSize();
  if (tenths.cx > 0 && tenths.cy > 0) extent = tenths;
}

}  // namespace

TPrintDeviceInfo QueueInfo(const QString& queue) {
  QPrinterInfo printer = QPrinterInfo::printerInfo(queue);
  TPrintDeviceInfo info;
  int nextUser = DMPAPER_USER + 1;
  for (const QPageSize& size : printer.supportedPageSizes())
    info.Papers.push_back(PaperOf(size, nextUser));
  OwnPaper(printer.defaultPageSize(), info);
  for (int dpi : printer.supportedResolutions()) info.Resolutions.push_back({dpi, dpi});
  for (QPrinter::DuplexMode mode : printer.supportedDuplexModes())
    info.Duplex = info.Duplex || mode != QPrinter::DuplexNone;
  info.Color = printer.supportedColorModes().contains(QPrinter::Color);
  ExtentsFromPapers(info);
  // A queue without custom sizes tells an empty range: the listed papers stand.
  TakeExtent(printer.minimumPhysicalPageSize(), info.MinExtent);
  TakeExtent(printer.maximumPhysicalPageSize(), info.MaxExtent);
  CupsQueueExtras extras;
  bool cups = ReadCupsExtras(FromQString(queue), extras);
  info.MaxCopies = cups && extras.maxCopies > 0 ? extras.maxCopies : 999;
  info.Trays = cups && !extras.trays.empty() ? extras.trays : std::vector{AutomaticTray()};
  info.DefaultTray = extras.defaultTray;
  info.DefaultResolution = extras.defaultResolution;
  info.DefaultDuplex = info.Duplex ? extras.defaultDuplex : pdSimplex;
  info.DefaultColor = info.Color && extras.defaultColor;
  return info;
}

QPageSize QueuePageSize(const QString& queue, const TPrintSetup& setup) {
  QPageSize bySize;
  for (const QPageSize& size : QPrinterInfo::printerInfo(queue).supportedPageSizes()) {
    if (Tenths(size.size(QPageSize::Millimeter)) != setup.Paper) continue;
    if (FromQString(size.name()) == setup.PaperName) return size;
    if (!bySize.isValid()) bySize = size;
  }
  if (bySize.isValid()) return bySize;
  return QPageSize(QSizeF(setup.Paper.cx / 10.0, setup.Paper.cy / 10.0), QPageSize::Millimeter);
}

TPrintDeviceInfo VirtualInfo(TSize paper, int dpi) {
  static const QPageSize::PageSizeId kCommon[] = {
      QPageSize::Letter, QPageSize::Legal, QPageSize::A3,        QPageSize::A4,
      QPageSize::A5,     QPageSize::A6,    QPageSize::Envelope10, QPageSize::EnvelopeDL,
      QPageSize::EnvelopeC5};
  TPrintDeviceInfo info;
  int nextUser = DMPAPER_USER + 1;
  for (QPageSize::PageSizeId id : kCommon) info.Papers.push_back(PaperOf(QPageSize(id), nextUser));
  // Its own paper is listed with its exact size, under a common paper's number where it is one.
  QPageSize near(QSizeF(paper.cx / 10.0, paper.cy / 10.0), QPageSize::Millimeter, QString(),
                 QPageSize::FuzzyMatch);
  TPaperInfo own = PaperOf(near, nextUser);
  own.Size = paper;
  auto listed = std::find_if(info.Papers.begin(), info.Papers.end(),
                             [&](const TPaperInfo& p) { return p.Number == own.Number; });
  if (listed != info.Papers.end()) *listed = own;
  else info.Papers.push_back(own);
  info.DefaultPaper = own.Number;
  info.Trays = {AutomaticTray()};
  info.Resolutions = {{dpi, dpi}};
  ExtentsFromPapers(info);
  return info;
}
