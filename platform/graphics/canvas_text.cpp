// Text on a canvas: fonts made for the device's pixels, measures in logical units, and
// ExtTextOut's reference point, rotation, background and clipping.
#include <QFontMetrics>

#include <cmath>

#include "platform/graphics/qt/qt_canvas.h"
#include "platform/graphics/qt/qt_color.h"
#include "platform/core/qt/qt_text.h"

namespace {

constexpr int kDefaultFontHeight = -13;  // a height of 0 asks for the device's default

int DevicePixelHeight(const TCanvas& canvas, const LOGFONT& font) {
  int height = font.lfHeight == 0 ? kDefaultFontHeight : font.lfHeight;
  return std::max(1, canvas.GetMapping().DeviceLength(height));
}

QFont CanvasFont(TCanvas& canvas) {
  LOGFONT font = canvas.CurrentLogFont();
  return ToQFont(font, DevicePixelHeight(canvas, font));
}

QFontMetrics MetricsOf(TCanvas& canvas, const QFont& font) {
  QPaintDevice* device = MetricsDevice(canvas);
  return device ? QFontMetrics(font, device) : QFontMetrics(font);
}

int ToLogical(int device, double scale) {
  return static_cast<int>(std::lround(device / std::fabs(scale)));
}

}  // namespace

QFont ToQFont(const LOGFONT& font, int pixelHeight) {
  QFont f(ToQString(font.lfFaceName));
  AnsiString face = font.lfFaceName;
  if ((font.lfPitchAndFamily & 3) == FIXED_PITCH || face.find("Courier") != AnsiString::npos)
    f.setStyleHint(QFont::TypeWriter);
  else if (face.find("Times") != AnsiString::npos)
    f.setStyleHint(QFont::Serif);
  else
    f.setStyleHint(QFont::SansSerif);
  int weight = font.lfWeight == FW_DONTCARE ? FW_NORMAL : font.lfWeight;
  f.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
  f.setItalic(font.lfItalic);
  f.setUnderline(font.lfUnderline);
  f.setStrikeOut(font.lfStrikeOut);
  f.setKerning(false);  // widths add up character by character, as on Windows
  if (font.lfHeight >= 0) {
    // A positive height is the character cell, internal leading included.
    QFont probe = f;
    probe.setPixelSize(100);
    QFontMetricsF m(probe);
    pixelHeight = static_cast<int>(std::lround(pixelHeight * 100 / (m.ascent() + m.descent())));
  }
  f.setPixelSize(std::max(1, pixelHeight));
  return f;
}

QPaintDevice* MetricsDevice(TCanvas& canvas) {
  CanvasDevice* device = CanvasAccess::Device(canvas);
  QPainter* painter = device ? device->Painter() : nullptr;
  return painter ? painter->device() : nullptr;
}

TSize TCanvas::TextExtent(const AnsiString& text) {
  QFont font = CanvasFont(*this);
  QFontMetrics m = MetricsOf(*this, font);
  return {ToLogical(m.horizontalAdvance(ToQString(text)), mapping_.ScaleX()),
          ToLogical(m.height(), mapping_.ScaleY())};
}

TEXTMETRIC TCanvas::GetTextMetrics() {
  QFont font = CanvasFont(*this);
  QFontMetrics m = MetricsOf(*this, font);
  double sy = mapping_.ScaleY();
  double sx = mapping_.ScaleX();
  TEXTMETRIC tm;
  tm.tmAscent = ToLogical(m.ascent(), sy);
  tm.tmDescent = ToLogical(m.descent(), sy);
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - ToLogical(font.pixelSize(), sy));
  tm.tmExternalLeading = ToLogical(std::max(0, m.leading()), sy);
  tm.tmAveCharWidth = ToLogical(m.averageCharWidth(), sx);
  tm.tmMaxCharWidth = ToLogical(m.maxWidth(), sx);
  return tm;
}

void PaintCanvasText(TCanvas& canvas, QPainter& p, const TCanvasCall& call) {
  const TMapping& mapping = canvas.GetMapping();
  QRect box = ToQRect(mapping.LPtoDP(call.Rect));
  if (call.Options & ETO_OPAQUE) p.fillRect(box, ToQColor(canvas.GetBkColor()));
  if (call.Options & ETO_CLIPPED) p.setClipRect(box, p.hasClipping() ? Qt::IntersectClip
                                                                     : Qt::ReplaceClip);
  QFont font = CanvasFont(canvas);
  QFontMetrics m(font, p.device());
  QString text = ToQString(call.Text);
  int width = m.horizontalAdvance(text);
  unsigned align = canvas.GetTextAlign();
  int left = (align & TA_CENTER) == TA_CENTER ? -width / 2 : (align & TA_RIGHT) ? -width : 0;
  int top = (align & TA_BASELINE) == TA_BASELINE ? -m.ascent()
            : (align & TA_BOTTOM)               ? -m.height()
                                                : 0;
  TPoint origin = mapping.LPtoDP(call.Points[0]);
  p.translate(origin.x, origin.y);
  p.rotate(-canvas.CurrentLogFont().lfEscapement / 10.0);
  if (canvas.GetBkMode() == OPAQUE)
    p.fillRect(QRect(left, top, width, m.height()), ToQColor(canvas.GetBkColor()));
  QColor color = ToQColor(canvas.GetTextColor());
  p.setFont(font);
  p.setPen(color);
  p.drawText(QPoint(left, top + m.ascent()), text);
  if (call.Underline >= 0 && call.Underline < text.size()) {
    int x = left + m.horizontalAdvance(text.left(call.Underline));
    int w = m.horizontalAdvance(text.at(call.Underline));
    p.fillRect(QRect(x, top + m.ascent() + 1, w, std::max(1, m.lineWidth())), color);
  }
}
