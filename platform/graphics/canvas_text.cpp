// Text on a canvas: fonts made for the device's pixels, measures in logical units, and
// ExtTextOut's reference point, rotation, background and clipping.
#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>

#include <cmath>
#include <cstring>
#include <optional>
#include <utility>
#include <string>
#include <unordered_map>

#include "platform/graphics/qt/qt_canvas.h"
#include "platform/graphics/qt/qt_color.h"
#include "platform/core/qt/qt_text.h"

namespace {

constexpr int kDefaultFontHeight = -13;  // a height of 0 asks for the device's default

int DevicePixelHeight(const TCanvas& canvas, const LOGFONT& font) {
  int height = font.lfHeight == 0 ? kDefaultFontHeight : font.lfHeight;
  return std::max(1, canvas.GetMapping().DeviceLength(height));
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

namespace {

// Text is measured and drawn again and again in the same few fonts (every cell of a grid,
// every run of HTML text), and Qt makes the font and shapes the text each time, so the fonts,
// the texts' device widths and their shaped glyphs are kept by font and device resolution. A
// store is emptied when it is full.
constexpr std::size_t kFontLimit = 64;
constexpr std::size_t kWidthLimit = 20000;  // per font
constexpr std::size_t kGlyphLimit = 2000;   // per font; shaped glyphs take more room

template <typename Value, typename Make>
const Value& Stored(std::unordered_map<std::string, Value>& store, std::string key, Make make,
                    std::size_t limit) {
  if (auto found = store.find(key); found != store.end()) return found->second;
  if (store.size() >= limit) store.clear();
  return store.emplace(std::move(key), make()).first->second;
}

// What makes a font on a device: the font, its pixel height and the device's resolution.
struct FontOnDeviceKey {
  LOGFONT font;
  int parts[3];
  FontOnDeviceKey(TCanvas& canvas, const LOGFONT& logFont) : font(logFont) {
    QPaintDevice* device = MetricsDevice(canvas);
    parts[0] = DevicePixelHeight(canvas, logFont);
    parts[1] = device ? device->logicalDpiX() : 0;
    parts[2] = device ? device->logicalDpiY() : 0;
  }
  bool operator==(const FontOnDeviceKey& other) const {
    return std::memcmp(this, &other, sizeof *this) == 0;
  }
  std::string Bytes() const { return {reinterpret_cast<const char*>(this), sizeof *this}; }
};

// The canvas's font made for its device, with the measures every text shares and the widths
// of the texts measured in it.
struct DeviceFont {
  std::string key;
  QFont font;
  int ascent;
  int height;
  int lineWidth;
  int underlinePos;  // below the baseline
  int strikeOutPos;  // above it
  std::unordered_map<std::string, int> widths;
  std::unordered_map<std::string, QList<QGlyphRun>> glyphs;
  // The text metrics in the logical units of the mapping they were asked in.
  std::pair<double, double> metricsScale{0, 0};
  TEXTMETRIC metrics{};
};

const DeviceFont& FontOnDevice(TCanvas& canvas) {
  static std::unordered_map<std::string, DeviceFont> store;
  // Most calls ask for the font of the call before.
  static std::optional<FontOnDeviceKey> lastKey;
  static const DeviceFont* last = nullptr;
  const LOGFONT logFont = canvas.CurrentLogFont();
  const FontOnDeviceKey fontKey(canvas, logFont);
  if (last && lastKey == fontKey) return *last;
  const std::string key = fontKey.Bytes();
  last = &Stored(store, key, [&] {
    QFont font = ToQFont(logFont, DevicePixelHeight(canvas, logFont));
    const QFontMetrics m = MetricsOf(canvas, font);
    return DeviceFont{key,           font, m.ascent(),      m.height(), m.lineWidth(),
                      m.underlinePos(), m.strikeOutPos(), {},         {},
                      {0, 0},           {}};
  }, kFontLimit);
  lastKey = fontKey;
  return *last;
}

int DeviceTextWidth(TCanvas& canvas, const DeviceFont& font, const AnsiString& text) {
  auto& widths = const_cast<DeviceFont&>(font).widths;
  if (auto found = widths.find(text); found != widths.end()) return found->second;
  return Stored(widths, text, [&] {
    return MetricsOf(canvas, font.font).horizontalAdvance(ToQString(text));
  }, kWidthLimit);
}

// The text shaped in the font, laid out from the top left of its line: drawing shaped glyphs
// spares Qt shaping the same text at every painting.
const QList<QGlyphRun>& GlyphRuns(const DeviceFont& font, const AnsiString& text,
                                  QPaintDevice* device) {
  auto& glyphs = const_cast<DeviceFont&>(font).glyphs;
  if (auto found = glyphs.find(text); found != glyphs.end()) return found->second;
  return Stored(glyphs, text, [&] {
    QTextLayout layout(ToQString(text), font.font, device);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
  }, kGlyphLimit);
}

}  // namespace

TSize TCanvas::TextExtent(const AnsiString& text) {
  const DeviceFont& font = FontOnDevice(*this);
  return {ToLogical(DeviceTextWidth(*this, font, text), mapping_.ScaleX()),
          ToLogical(font.height, mapping_.ScaleY())};
}

TEXTMETRIC TCanvas::GetTextMetrics() {
  DeviceFont& font = const_cast<DeviceFont&>(FontOnDevice(*this));
  const double sx = mapping_.ScaleX(), sy = mapping_.ScaleY();  // the measures are logical
  if (font.metricsScale == std::pair(sx, sy)) return font.metrics;
  QFontMetrics m = MetricsOf(*this, font.font);
  TEXTMETRIC& tm = font.metrics;
  tm.tmAscent = ToLogical(m.ascent(), sy);
  tm.tmDescent = ToLogical(m.descent(), sy);
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - ToLogical(font.font.pixelSize(), sy));
  tm.tmExternalLeading = ToLogical(std::max(0, m.leading()), sy);
  tm.tmAveCharWidth = ToLogical(m.averageCharWidth(), sx);
  tm.tmMaxCharWidth = ToLogical(m.maxWidth(), sx);
  font.metricsScale = {sx, sy};
  return tm;
}

void PaintCanvasText(TCanvas& canvas, QPainter& p, const TCanvasCall& call) {
  const TMapping& mapping = canvas.GetMapping();
  QRect box = ToQRect(mapping.LPtoDP(call.Rect));
  if (call.Options & ETO_OPAQUE) p.fillRect(box, ToQColor(canvas.GetBkColor()));
  if (call.Options & ETO_CLIPPED) p.setClipRect(box, p.hasClipping() ? Qt::IntersectClip
                                                                     : Qt::ReplaceClip);
  const DeviceFont& font = FontOnDevice(canvas);
  QString text = ToQString(call.Text);
  int width = DeviceTextWidth(canvas, font, call.Text);
  unsigned align = canvas.GetTextAlign();
  int left = (align & TA_CENTER) == TA_CENTER ? -width / 2 : (align & TA_RIGHT) ? -width : 0;
  int top = (align & TA_BASELINE) == TA_BASELINE ? -font.ascent
            : (align & TA_BOTTOM)               ? -font.height
                                                : 0;
  TPoint origin = mapping.LPtoDP(call.Points[0]);
  p.translate(origin.x, origin.y);
  p.rotate(-canvas.CurrentLogFont().lfEscapement / 10.0);
  if (canvas.GetBkMode() == OPAQUE)
    p.fillRect(QRect(left, top, width, font.height), ToQColor(canvas.GetBkColor()));
  QColor color = ToQColor(canvas.GetTextColor());
  p.setFont(font.font);
  p.setPen(color);
  for (const QGlyphRun& run : GlyphRuns(font, call.Text, p.device()))
    p.drawGlyphRun(QPointF(left, top), run);
  // Glyph runs come without the font's lines.
  const int line = std::max(1, font.lineWidth), baseline = top + font.ascent;
  if (font.font.underline()) p.fillRect(QRect(left, baseline + font.underlinePos, width, line), color);
  if (font.font.strikeOut()) p.fillRect(QRect(left, baseline - font.strikeOutPos, width, line), color);
  if (call.Underline >= 0 && call.Underline < text.size()) {
    QFontMetrics m(font.font, p.device());
    int x = left + m.horizontalAdvance(text.left(call.Underline));
    int w = m.horizontalAdvance(text.at(call.Underline));
    p.fillRect(QRect(x, top + font.ascent + 1, w, std::max(1, font.lineWidth)), color);
  }
}
