#include "platform/graphics/canvas.h"

#include <QPrinter>

#include "platform/graphics/font_handle.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/qt/qt_canvas.h"

TCanvas::TCanvas()
    : Font(new TFont),
      Brush(new TBrush),
      Pen(new TPen),
      font_(Font),
      brush_(Brush),
      pen_(Pen),
      dc_(std::make_unique<TCanvasDC>()) {
  // A changed font is drawn with again, in its own colour; a changed brush sets the
  // background mode at the next call that draws.
  Font->OnChange = [this](TObject*) {
    SelectFont(nullptr);
    textColorSet_ = false;
  };
  Brush->OnChange = [this](TObject*) { brushChanged_ = true; };
}

TCanvas::~TCanvas() { SelectFont(nullptr); }

void TCanvas::RealizeBrush() {
  if (!brushChanged_) return;
  brushChanged_ = false;
  bkMode_ = Brush->GetStyle() == bsSolid ? OPAQUE : TRANSPARENT;
  bkColor_ = Brush->GetColor();
}

int TCanvas::GetBkMode() {
  RealizeBrush();
  return bkMode_;
}

int TCanvas::SetBkMode(int mode) {
  int old = GetBkMode();
  if (mode == TRANSPARENT || mode == OPAQUE) bkMode_ = mode;
  return old;
}

TColor TCanvas::GetBkColor() {
  RealizeBrush();
  return bkColor_;
}

TColor TCanvas::SetBkColor(TColor color) {
  TColor old = GetBkColor();
  bkColor_ = color;
  return old;
}

TColor TCanvas::GetTextColor() const { return textColorSet_ ? textColor_ : Font->GetColor(); }

TColor TCanvas::SetTextColor(TColor color) {
  TColor old = GetTextColor();
  textColorSet_ = true;
  textColor_ = color;
  return old;
}

unsigned TCanvas::SetTextAlign(unsigned align) {
  unsigned old = textAlign_;
  textAlign_ = align;
  return old;
}

HFONT TCanvas::SelectFont(HFONT font) {
  HFONT old = selectedFont_ ? selectedFont_ : Font->GetHandle();
  if (font == Font->GetHandle()) font = nullptr;
  if (selectedFont_) --selectedFont_->selections;
  selectedFont_ = font;
  if (selectedFont_) ++selectedFont_->selections;
  return old;
}

LOGFONT TCanvas::CurrentLogFont() const {
  return selectedFont_ ? selectedFont_->logFont : Font->ToLogFont();
}

TRect TCanvas::GetClipRect() const {
  QRect box = dc_->clipped ? dc_->clip.boundingRect() : QRect(0, 0, caps_.width, caps_.height);
  if (dc_->clipped) box &= QRect(0, 0, caps_.width, caps_.height);
  return mapping_.DPtoLP(FromQRect(box));
}

TColor TCanvas::GetPixels(int x, int y) { return ReadPixel(x, y); }

namespace {

TCanvasCall MakeCall(TCanvasOp op, const TRect& rect, std::vector<TPoint> points = {}) {
  TCanvasCall call;
  call.Op = op;
  call.Rect = rect;
  call.Points = std::move(points);
  return call;
}

}  // namespace

void TCanvas::SetPixels(int x, int y, TColor color) {
  TCanvasCall call = MakeCall(coSetPixel, {}, {{x, y}});
  call.Color = color;
  Paint(call);
}

void TCanvas::FillRect(const TRect& r) { Paint(MakeCall(coFillRect, r)); }

void TCanvas::FrameRect(const TRect& r) { Paint(MakeCall(coFrameRect, r)); }

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Paint(MakeCall(coRectangle, {x1, y1, x2, y2}));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  Paint(MakeCall(coRoundRect, {x1, y1, x2, y2}, {{cornerWidth, cornerHeight}}));
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Paint(MakeCall(coEllipse, {x1, y1, x2, y2}));
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  Paint(MakeCall(coPolygon, {}, points));
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  Paint(MakeCall(coPolyline, {}, points));
}

void TCanvas::LineTo(int x, int y) {
  Paint(MakeCall(coLineTo, {}, {penPos_, {x, y}}));
  penPos_ = {x, y};
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Paint(MakeCall(coArc, {x1, y1, x2, y2}, {{x3, y3}, {x4, y4}}));
}

void TCanvas::DrawFocusRect(const TRect& r) { Paint(MakeCall(coFocusRect, r)); }

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
  ExtTextOut(x, y, 0, nullptr, text);
  penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const AnsiString& text) {
  unsigned options = ETO_CLIPPED | (Brush->GetStyle() != bsClear ? ETO_OPAQUE : 0u);
  ExtTextOut(x, y, options, &r, text);
}

void TCanvas::ExtTextOut(int x, int y, unsigned options, const TRect* rect,
                         const AnsiString& text, int underline) {
  TCanvasCall call = MakeCall(coTextOut, rect ? *rect : TRect(), {{x, y}});
  call.Text = text;
  call.Options = rect ? options : 0;
  call.Underline = underline;
  Paint(call);
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (!graphic || graphic->GetEmpty()) return;
  TCanvasCall call = MakeCall(coDraw, Bounds(x, y, graphic->GetWidth(), graphic->GetHeight()));
  call.Graphic = graphic;
  Paint(call);
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
  if (!graphic || graphic->GetEmpty()) return;
  TCanvasCall call = MakeCall(coStretchDraw, r);
  call.Graphic = graphic;
  Paint(call);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
  if (!source) return;
  TCanvasCall call = MakeCall(coCopyRect, dest);
  call.Source = source;
  call.SourceRect = sourceRect;
  Paint(call);
}

// --- binding to Qt ---------------------------------------------------------------------

void CanvasAccess::Bind(TCanvas& canvas, CanvasDevice* device) {
  canvas.dc_->device = device;
  canvas.caps_ = device ? device->Caps() : TDeviceCaps();
  canvas.mapping_.SetResolution(canvas.caps_.dpiX, canvas.caps_.dpiY);
}

QPainter* CanvasAccess::Begin(TCanvas& canvas) {
  CanvasDevice* device = canvas.dc_->device;
  QPainter* painter = device ? device->Painter() : nullptr;
  if (!painter) return nullptr;
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter->setTransform(QTransform());
  if (canvas.dc_->clipped)
    painter->setClipRegion(canvas.dc_->clip);
  else
    painter->setClipping(false);
  return painter;
}

TCanvasDC::Saved CanvasAccess::Save(const TCanvas& c) {
  return {c.mapping_, c.dc_->clip, c.dc_->clipped, c.bkMode_, c.bkColor_, c.textColorSet_,
          c.textColor_, c.selectedFont_, c.textAlign_, c.penPos_};
}

void CanvasAccess::Restore(TCanvas& c, const TCanvasDC::Saved& s) {
  c.mapping_ = s.mapping;
  c.dc_->clip = s.clip;
  c.dc_->clipped = s.clipped;
  c.bkMode_ = s.bkMode;
  c.bkColor_ = s.bkColor;
  c.textColorSet_ = s.textColorSet;
  c.textColor_ = s.textColor;
  c.SelectFont(s.selectedFont);
  c.textAlign_ = s.textAlign;
  c.penPos_ = s.penPos;
}

TemporaryTools::TemporaryTools(TCanvas& canvas)
    : canvas_(canvas),
      brushChanged_(CanvasAccess::BrushChanged(canvas)),
      bkMode_(canvas.GetBkMode()),
      bkColor_(canvas.GetBkColor()) {
  pen_.Assign(*canvas.Pen);
  brush_.Assign(*canvas.Brush);
}

TemporaryTools::~TemporaryTools() {
  canvas_.Pen->Assign(pen_);
  canvas_.Brush->Assign(brush_);
  canvas_.SetBkMode(bkMode_);
  canvas_.SetBkColor(bkColor_);
  CanvasAccess::BrushChanged(canvas_) = brushChanged_;
}

class CanvasPainterBinding::Device : public CanvasDevice {
 public:
  Device(QPainter& painter, const TDeviceCaps& caps) : painter_(painter), caps_(caps) {}
  QPainter* Painter() override { return painter_.isActive() ? &painter_ : nullptr; }
  const QImage* Image() override {
    return painter_.device() && painter_.device()->devType() == QInternal::Image
               ? static_cast<const QImage*>(painter_.device())
               : nullptr;
  }
  TDeviceCaps Caps() const override { return caps_; }

 private:
  QPainter& painter_;
  TDeviceCaps caps_;
};

CanvasPainterBinding::CanvasPainterBinding(TCanvas& canvas, QPainter& painter)
    : CanvasPainterBinding(canvas, painter, DeviceCapsOf(*painter.device())) {}

CanvasPainterBinding::CanvasPainterBinding(TCanvas& canvas, QPainter& painter,
                                           const TDeviceCaps& caps)
    : canvas_(canvas),
      previous_(CanvasAccess::Device(canvas)),
      device_(std::make_unique<Device>(painter, caps)),
      painter_(painter) {
  painter_.save();  // the canvas sets clipping, modes and transforms of its own
  CanvasAccess::Bind(canvas_, device_.get());
}

CanvasPainterBinding::~CanvasPainterBinding() {
  CanvasAccess::Bind(canvas_, previous_);
  if (painter_.isActive()) painter_.restore();
}

TDeviceCaps DeviceCapsOf(const QPaintDevice& device) {
  TDeviceCaps caps;
  caps.width = caps.physicalWidth = device.width();
  caps.height = caps.physicalHeight = device.height();
  caps.dpiX = device.logicalDpiX() > 0 ? device.logicalDpiX() : 96;
  caps.dpiY = device.logicalDpiY() > 0 ? device.logicalDpiY() : 96;
  caps.bitsPerPixel = device.depth();
  if (device.devType() == QInternal::Printer) {
    // A page: painting starts at the printable area's corner, inside the paper.
    const auto& printer = static_cast<const QPrinter&>(device);
    QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    caps.physicalWidth = paper.width();
    caps.physicalHeight = paper.height();
    caps.offsetX = page.left() - paper.left();
    caps.offsetY = page.top() - paper.top();
  }
  return caps;
}

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

TRect FromQRect(const QRect& r) {
  return r.isEmpty() ? TRect() : Bounds(r.x(), r.y(), r.width(), r.height());
}
