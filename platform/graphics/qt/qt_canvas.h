// Where a TCanvas meets Qt. Private to platform/: the widget and printer code binds a canvas
// to its QPainter here, and the graphics classes reach the painter and the pixels.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <vector>

#include "platform/graphics/canvas.h"

// What a canvas paints on. The painter may begin on demand and end when the owner of the
// pixels needs them (a bitmap being resized or saved).
class CanvasDevice {
 public:
  virtual ~CanvasDevice() = default;
  virtual QPainter* Painter() = 0;  // null when nothing can be painted now
  virtual const QImage* Image() { return nullptr; }  // the pixels, when the device has them
  virtual TDeviceCaps Caps() const = 0;
};

// The device context state that needs Qt: clipping in device pixels and the SaveDC stack.
struct TCanvasDC {
  struct Saved {
    TMapping mapping;
    QRegion clip;
    bool clipped;
    int bkMode;
    TColor bkColor;
    bool textColorSet;
    TColor textColor;
    HFONT selectedFont;
    unsigned textAlign;
    TPoint penPos;
  };
  CanvasDevice* device = nullptr;
  QRegion clip;
  bool clipped = false;
  std::vector<Saved> saved;
};

struct HRGN__ {
  QRegion region;
};

// The canvas's device and state, for the code of platform/ that paints.
struct CanvasAccess {
  static bool& BrushChanged(TCanvas& canvas) { return canvas.brushChanged_; }
  static void Bind(TCanvas& canvas, CanvasDevice* device);
  static CanvasDevice* Device(TCanvas& canvas) { return canvas.dc_->device; }
  // The painter set up with the canvas's clipping, or null.
  static QPainter* Begin(TCanvas& canvas);
  static TCanvasDC::Saved Save(const TCanvas& canvas);
  static void Restore(TCanvas& canvas, const TCanvasDC::Saved& saved);
  // Pixels of a device rectangle of the canvas (a bitmap's or a widget's); null image when
  // it has none.
  static QImage Grab(TCanvas& canvas, const QRect& deviceRect);
};

// Lends a canvas's pen and brush to drawing helpers (3D edges, frame controls) and gives
// them back unchanged, background mode included.
class TemporaryTools {
 public:
  explicit TemporaryTools(TCanvas& canvas);
  ~TemporaryTools();
  TemporaryTools(const TemporaryTools&) = delete;
  TemporaryTools& operator=(const TemporaryTools&) = delete;

 private:
  TCanvas& canvas_;
  TPen pen_;
  TBrush brush_;
  bool brushChanged_;
  int bkMode_;
  TColor bkColor_;
};

// Binds a canvas to a painter that is already active (a widget's paint event, a printer
// page) for the life of the binding; the earlier binding and the painter's own state
// return afterwards. The printer code passes the page's caps (paper size, offsets).
class CanvasPainterBinding {
 public:
  CanvasPainterBinding(TCanvas& canvas, QPainter& painter);
  CanvasPainterBinding(TCanvas& canvas, QPainter& painter, const TDeviceCaps& caps);
  ~CanvasPainterBinding();
  CanvasPainterBinding(const CanvasPainterBinding&) = delete;
  CanvasPainterBinding& operator=(const CanvasPainterBinding&) = delete;

 private:
  class Device;
  TCanvas& canvas_;
  CanvasDevice* previous_;
  std::unique_ptr<Device> device_;
  QPainter& painter_;
};

// Paints a coTextOut call: the font's escapement, the text alignment, the background mode.
void PaintCanvasText(TCanvas& canvas, QPainter& painter, const TCanvasCall& call);
// The device to measure the canvas's text on; null for the screen.
QPaintDevice* MetricsDevice(TCanvas& canvas);

TDeviceCaps DeviceCapsOf(const QPaintDevice& device);
// A Qt font for a logical font whose height is `pixelHeight` device pixels.
QFont ToQFont(const LOGFONT& font, int pixelHeight);
QRect ToQRect(const TRect& r);  // right and bottom stay outside, as in TRect
TRect FromQRect(const QRect& r);
// The composition mode of a raster operation; false for those with no source
// (blackness, whiteness, destination inversion), which CopyRect fills or inverts itself.
bool CompositionOf(TCopyMode mode, QPainter::CompositionMode& out);
