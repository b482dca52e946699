// How a canvas paints its calls on a QPainter: in device pixels, aliased, with the pen's
// raster mode, right and bottom edges of shapes left out as Windows leaves them.
#include <QWidget>

#include <cmath>

#include "platform/graphics/graphic.h"
#include "platform/graphics/qt/qt_canvas.h"
#include "platform/graphics/qt/qt_color.h"

namespace {

QPainter::CompositionMode PenComposition(TPenMode mode) {
  using Q = QPainter;
  switch (mode) {
    case pmBlack: return Q::RasterOp_ClearDestination;
    case pmWhite: return Q::RasterOp_SetDestination;
    case pmNot: return Q::RasterOp_NotDestination;
    case pmNotCopy: return Q::RasterOp_NotSource;
    case pmMergePenNot: return Q::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot: return Q::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return Q::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen: return Q::RasterOp_NotSourceAndDestination;
    case pmMerge: return Q::RasterOp_SourceOrDestination;
    case pmNotMerge: return Q::RasterOp_NotSourceAndNotDestination;
    case pmMask: return Q::RasterOp_SourceAndDestination;
    case pmNotMask: return Q::RasterOp_NotSourceOrNotDestination;
    case pmXor: return Q::RasterOp_SourceXorDestination;
    case pmNotXor: return Q::RasterOp_NotSourceXorDestination;
    default: return Q::CompositionMode_SourceOver;
  }
}

int DevicePenWidth(const TPen& pen, const TMapping& m) {
  return std::max(1, static_cast<int>(std::lround(pen.GetWidth() * std::fabs(m.ScaleX()))));
}

QPen MakePen(const TPen& pen, const TMapping& m) {
  if (pen.GetStyle() == psClear) return QPen(Qt::NoPen);
  int width = DevicePenWidth(pen, m);
  QPen q(ToQColor(pen.GetColor()), width);
  q.setCapStyle(width == 1 ? Qt::FlatCap : Qt::RoundCap);
  q.setJoinStyle(width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
  switch (pen.GetStyle()) {
    case psDash: q.setDashPattern({6, 2}); break;
    case psDot: q.setDashPattern({1, 1}); break;
    case psDashDot: q.setDashPattern({3, 1, 1, 1}); break;
    case psDashDotDot: q.setDashPattern({3, 1, 1, 1, 1, 1}); break;
    default: break;
  }
  return q;
}

QBrush MakeBrush(const TBrush& brush) {
  static const Qt::BrushStyle kStyles[] = {Qt::SolidPattern, Qt::NoBrush, Qt::HorPattern,
                                           Qt::VerPattern, Qt::BDiagPattern, Qt::FDiagPattern,
                                           Qt::CrossPattern, Qt::DiagCrossPattern};
  return QBrush(ToQColor(brush.GetColor()), kStyles[brush.GetStyle()]);
}

QPoint Device(const TMapping& m, TPoint p) {
  TPoint d = m.LPtoDP(p);
  return {d.x, d.y};
}

// The outline box of a shape: its right and bottom edges one pixel in; the pen stays
// inside it for psInsideFrame.
QRect OutlineBox(const TRect& device, const TPen& pen, int penWidth) {
  QRect box(device.Left, device.Top, device.Width() - 1, device.Height() - 1);
  if (pen.GetStyle() == psInsideFrame && penWidth > 1)
    box.adjust(penWidth / 2, penWidth / 2, -(penWidth - 1) / 2, -(penWidth - 1) / 2);
  return box;
}

double AngleOf(QPointF centre, QPoint p) {
  return std::atan2(-(p.y() - centre.y()), p.x() - centre.x()) * 180.0 / M_PI;
}

void PaintArc(QPainter& p, const QRect& box, QPoint start, QPoint end) {
  QPointF centre = QRectF(box).center();
  double from = AngleOf(centre, start);
  double span = AngleOf(centre, end) - from;
  while (span <= 0) span += 360;
  p.drawArc(box, static_cast<int>(std::lround(from * 16)), static_cast<int>(std::lround(span * 16)));
}

void PaintFocusRect(QPainter& p, const TRect& r) {
  QPolygon dots;
  for (int x = r.Left; x < r.Right; ++x)
    for (int y : {r.Top, r.Bottom - 1})
      if ((x + y) % 2 == 0) dots << QPoint(x, y);
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
    for (int x : {r.Left, r.Right - 1})
      if ((x + y) % 2 == 0) dots << QPoint(x, y);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(QPen(Qt::white, 1));
  p.drawPoints(dots);
}

void PaintCopy(QPainter& p, const QRect& dest, const QImage& source, TCopyMode mode,
               const TBrush& brush) {
  QPainter::CompositionMode composition;
  if (CompositionOf(mode, composition)) {
    if (source.isNull()) return;
    p.setCompositionMode(composition);
    p.drawImage(dest, source);
    return;
  }
  QColor fill = mode == cmBlackness ? QColor(Qt::black)
                : mode == cmPatCopy || mode == cmPatInvert ? ToQColor(brush.GetColor())
                                                           : QColor(Qt::white);
  if (mode == cmDstInvert || mode == cmPatInvert)
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.fillRect(dest, fill);
}

}  // namespace

bool CompositionOf(TCopyMode mode, QPainter::CompositionMode& out) {
  using Q = QPainter;
  switch (mode) {
    case cmSrcInvert: out = Q::RasterOp_SourceXorDestination; return true;
    case cmSrcAnd: out = Q::RasterOp_SourceAndDestination; return true;
    case cmSrcPaint: out = Q::RasterOp_SourceOrDestination; return true;
    case cmNotSrcCopy: out = Q::RasterOp_NotSource; return true;
    case cmSrcErase: out = Q::RasterOp_SourceAndNotDestination; return true;
    case cmNotSrcErase: out = Q::RasterOp_NotSourceAndNotDestination; return true;
    case cmMergePaint: out = Q::RasterOp_NotSourceOrDestination; return true;
    case cmBlackness:
    case cmWhiteness:
    case cmDstInvert:
    case cmPatCopy:
    case cmPatInvert: return false;
    default: out = Q::CompositionMode_Source; return true;
  }
}

QImage CanvasAccess::Grab(TCanvas& canvas, const QRect& rect) {
  CanvasDevice* device = canvas.dc_->device;
  if (!device) return {};
  if (const QImage* image = device->Image()) return image->copy(rect);
  QPainter* painter = device->Painter();
  if (painter && painter->device() && painter->device()->devType() == QInternal::Widget)
    return static_cast<QWidget*>(painter->device())->grab(rect).toImage();
  return {};
}

TColor TCanvas::ReadPixel(int x, int y) {
  const QImage* image = dc_->device ? dc_->device->Image() : nullptr;
  TPoint d = mapping_.LPtoDP(TPoint{x, y});
  if (!image || !image->valid(d.x, d.y)) return CLR_INVALID;
  if (dc_->clipped && !dc_->clip.contains(QPoint(d.x, d.y))) return CLR_INVALID;
  return FromQColor(image->pixelColor(d.x, d.y));
}

void TCanvas::Perform(const TCanvasCall& call) {
  if (call.Op == coDraw || call.Op == coStretchDraw) {
    call.Graphic->Draw(*this, call.Rect);
    return;
  }
  QPainter* painter = CanvasAccess::Begin(*this);
  if (!painter) return;
  QPainter& p = *painter;
  if (call.Op == coTextOut) {
    PaintCanvasText(*this, p, call);
    return;
  }
  TRect box = mapping_.LPtoDP(call.Rect);
  QPen pen = MakePen(*Pen, mapping_);
  QBrush brush = MakeBrush(*Brush);
  bool shape = call.Op != coFillRect && call.Op != coFrameRect && call.Op != coFocusRect &&
               call.Op != coSetPixel && call.Op != coCopyRect;
  if (shape) {
    if (Pen->GetMode() == pmNop) return;
    p.setCompositionMode(PenComposition(Pen->GetMode()));
  }
  switch (call.Op) {
    case coFillRect:
      p.fillRect(ToQRect(box), brush);
      break;
    case coFrameRect: {
      QRect r = ToQRect(box);
      if (r.isEmpty() || Brush->GetStyle() == bsClear) break;
      for (QRect edge : {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), 1),
                         QRect(r.left(), r.top(), 1, r.height()), QRect(r.right(), r.top(), 1, r.height())})
        p.fillRect(edge, brush.color());
      break;
    }
    case coRectangle: {
      if (box.Width() < 2 || box.Height() < 2) break;
      p.fillRect(QRect(box.Left, box.Top, box.Width() - 1, box.Height() - 1), brush);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      p.drawRect(OutlineBox(box, *Pen, pen.width()));
      break;
    }
    case coRoundRect:
    case coEllipse: {
      p.setPen(pen);
      p.setBrush(brush);
      QRect r = OutlineBox(box, *Pen, pen.width());
      if (call.Op == coEllipse) {
        p.drawEllipse(r);
      } else {
        double rx = std::fabs(call.Points[0].x * mapping_.ScaleX()) / 2;
        double ry = std::fabs(call.Points[0].y * mapping_.ScaleY()) / 2;
        p.drawRoundedRect(r, rx, ry);
      }
      break;
    }
    case coPolygon:
    case coPolyline:
    case coLineTo: {
      QPolygon points;
      for (TPoint pt : call.Points) points << Device(mapping_, pt);
      p.setPen(pen);
      if (call.Op == coPolygon) {
        p.setBrush(brush);
        p.drawPolygon(points);
      } else if (call.Op == coPolyline) {
        p.drawPolyline(points);
      } else if (points[0] != points[1]) {
        p.drawLine(points[0], points[1]);  // a flat cap leaves the end pixel out
      }
      break;
    }
    case coArc:
      p.setPen(pen);
      PaintArc(p, OutlineBox(box, *Pen, pen.width()), Device(mapping_, call.Points[0]),
               Device(mapping_, call.Points[1]));
      break;
    case coFocusRect:
      PaintFocusRect(p, box);
      break;
    case coSetPixel: {
      QPoint d = Device(mapping_, call.Points[0]);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.fillRect(QRect(d, QSize(1, 1)), ToQColor(call.Color));
      break;
    }
    case coCopyRect: {
      TRect source = call.Source->GetMapping().LPtoDP(call.SourceRect);
      PaintCopy(p, ToQRect(box), CanvasAccess::Grab(*call.Source, ToQRect(source)), copyMode_,
                *Brush);
      break;
    }
    default:
      break;
  }
}
