// Regions, clipping and the saved states of a canvas.
#include "platform/winapi/gdi.h"
#include "platform/graphics/qt/qt_canvas.h"

namespace {

int KindOf(const QRegion& region) {
  return region.isEmpty() ? NULLREGION : region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRegion Combine(const QRegion& a, const QRegion& b, int mode) {
  switch (mode) {
    case RGN_AND: return a & b;
    case RGN_OR: return a | b;
    case RGN_XOR: return a ^ b;
    case RGN_DIFF: return a - b;
    default: return a;
  }
}

QRegion DeviceBounds(HDC dc) {
  const TDeviceCaps& caps = dc->GetDeviceCaps();
  return QRegion(0, 0, caps.width, caps.height);
}

QRegion CurrentClip(HDC dc) { return dc->DC().clipped ? dc->DC().clip : DeviceBounds(dc); }

int SetClip(HDC dc, const QRegion& region) {
  dc->DC().clip = region;
  dc->DC().clipped = true;
  return KindOf(region);
}

QRegion LogicalRect(HDC dc, int left, int top, int right, int bottom) {
  return QRegion(ToQRect(dc->GetMapping().LPtoDP(TRect(left, top, right, bottom))));
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return new HRGN__{QRegion(ToQRect(NormalizedRect({left, top, right, bottom})))};
}

HRGN CreateRectRgnIndirect(const TRect* rect) {
  return rect ? CreateRectRgn(rect->Left, rect->Top, rect->Right, rect->Bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
  if (!points || count < 3) return nullptr;
  QPolygon polygon;
  for (int i = 0; i < count; ++i) polygon << QPoint(points[i].x, points[i].y);
  return new HRGN__{QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill)};
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
  if (!dest || !a || (mode != RGN_COPY && !b)) return RGN_ERROR;
  dest->region = mode == RGN_COPY ? a->region : Combine(a->region, b->region, mode);
  return KindOf(dest->region);
}

int OffsetRgn(HRGN region, int dx, int dy) {
  if (!region) return RGN_ERROR;
  region->region.translate(dx, dy);
  return KindOf(region->region);
}

int GetRgnBox(HRGN region, TRect* box) {
  if (!region || !box) return RGN_ERROR;
  *box = FromQRect(region->region.boundingRect());
  return KindOf(region->region);
}

bool PtInRegion(HRGN region, int x, int y) { return region && region->region.contains(QPoint(x, y)); }

bool DeleteObject(HRGN region) {
  delete region;
  return region != nullptr;
}

int SelectClipRgn(HDC dc, HRGN region) {
  if (!region) {
    dc->DC().clipped = false;
    return SIMPLEREGION;
  }
  return SetClip(dc, region->region);
}

int ExtSelectClipRgn(HDC dc, HRGN region, int mode) {
  if (mode == RGN_COPY) return SelectClipRgn(dc, region);
  if (!region) return RGN_ERROR;
  return SetClip(dc, Combine(CurrentClip(dc), region->region, mode));
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  return SetClip(dc, CurrentClip(dc) & LogicalRect(dc, left, top, right, bottom));
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  return SetClip(dc, CurrentClip(dc) - LogicalRect(dc, left, top, right, bottom));
}

int GetClipBox(HDC dc, TRect* box) {
  if (!box) return RGN_ERROR;
  *box = dc->GetClipRect();
  return KindOf(CurrentClip(dc) & DeviceBounds(dc));
}

int GetClipRgn(HDC dc, HRGN region) {
  if (!region) return -1;
  if (!dc->DC().clipped) return 0;
  region->region = dc->DC().clip;
  return 1;
}

int SaveDC(HDC dc) {
  dc->DC().saved.push_back(CanvasAccess::Save(*dc));
  return static_cast<int>(dc->DC().saved.size());
}

bool RestoreDC(HDC dc, int saved) {
  auto& stack = dc->DC().saved;
  int depth = saved < 0 ? static_cast<int>(stack.size()) + 1 + saved : saved;
  if (depth < 1 || depth > static_cast<int>(stack.size())) return false;
  TCanvasDC::Saved state = stack[static_cast<size_t>(depth - 1)];
  stack.resize(static_cast<size_t>(depth - 1));
  CanvasAccess::Restore(*dc, state);
  return true;
}
