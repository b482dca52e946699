#include "platform/graphics/qt/qt_image.h"

#include <QBuffer>
#include <QImageReader>

#include "platform/graphics/graphic.h"
#include "platform/graphics/qt/qt_canvas.h"
#include "platform/graphics/qt/qt_color.h"

void PaintImage(TCanvas& canvas, const TRect& rect, const QImage& image, bool blend) {
  QPainter* p = CanvasAccess::Begin(canvas);
  if (!p || image.isNull()) return;
  QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
  if (!blend && !CompositionOf(canvas.GetCopyMode(), mode)) mode = QPainter::CompositionMode_Source;
  p->setCompositionMode(mode);
  TPoint a = canvas.GetMapping().LPtoDP(rect.TopLeft());
  TPoint b = canvas.GetMapping().LPtoDP(rect.BottomRight());
  // A mirrored mapping draws the image mirrored, as a stretch to a negative size does.
  QImage source = image.mirrored(b.x < a.x, b.y < a.y);
  p->drawImage(ToQRect(NormalizedRect({a, b})), source);
}

QImage WithTransparentColor(const QImage& image, TColor color) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  QRgb key = ToQColor(ColorToRGB(color)).rgb() & 0xFFFFFF;
  for (int y = 0; y < out.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
  }
  return out;
}

QImage DecodeImage(const std::vector<uint8_t>& data, const char* format, const char* error) {
  QByteArray bytes(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, format);
  QImage image = reader.read();
  if (image.isNull()) throw EInvalidGraphic(error);
  return image;
}
