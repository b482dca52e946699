#include "platform/winapi/gdi.h"

#include <cstring>

namespace {

template <typename T>
void Keep(T* old, T value) {
  if (old) *old = value;
}

}  // namespace

int GetDeviceCaps(HDC dc, int index) {
  if (!dc) return 0;
  const TDeviceCaps& c = dc->GetDeviceCaps();
  switch (index) {
    case HORZSIZE: return MulDiv(c.width, 254, c.dpiX * 10);
    case VERTSIZE: return MulDiv(c.height, 254, c.dpiY * 10);
    case HORZRES: return c.width;
    case VERTRES: return c.height;
    case BITSPIXEL: return c.bitsPerPixel;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return c.rasterCaps;
    case LOGPIXELSX: return c.dpiX;
    case LOGPIXELSY: return c.dpiY;
    case PHYSICALWIDTH: return c.physicalWidth;
    case PHYSICALHEIGHT: return c.physicalHeight;
    case PHYSICALOFFSETX: return c.offsetX;
    case PHYSICALOFFSETY: return c.offsetY;
    default: return 0;
  }
}

int SetMapMode(HDC dc, int mode) {
  int old = dc->GetMapping().Mode();
  dc->Mapping().SetMode(mode);
  return old;
}

int GetMapMode(HDC dc) { return dc->GetMapping().Mode(); }

bool SetWindowExtEx(HDC dc, int x, int y, SIZE* old) {
  Keep(old, dc->GetMapping().WindowExt());
  return dc->Mapping().SetWindowExt({x, y});
}

bool SetViewportExtEx(HDC dc, int x, int y, SIZE* old) {
  Keep(old, dc->GetMapping().ViewportExt());
  return dc->Mapping().SetViewportExt({x, y});
}

bool SetWindowOrgEx(HDC dc, int x, int y, POINT* old) {
  Keep(old, dc->GetMapping().WindowOrg());
  dc->Mapping().SetWindowOrg({x, y});
  return true;
}

bool SetViewportOrgEx(HDC dc, int x, int y, POINT* old) {
  Keep(old, dc->GetMapping().ViewportOrg());
  dc->Mapping().SetViewportOrg({x, y});
  return true;
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old) {
  TPoint org = dc->GetMapping().ViewportOrg();
  return SetViewportOrgEx(dc, org.x + dx, org.y + dy, old);
}

bool GetWindowExtEx(HDC dc, SIZE* size) { return Keep(size, dc->GetMapping().WindowExt()), true; }
bool GetViewportExtEx(HDC dc, SIZE* size) { return Keep(size, dc->GetMapping().ViewportExt()), true; }
bool GetWindowOrgEx(HDC dc, POINT* p) { return Keep(p, dc->GetMapping().WindowOrg()), true; }
bool GetViewportOrgEx(HDC dc, POINT* p) { return Keep(p, dc->GetMapping().ViewportOrg()), true; }

bool DPtoLP(HDC dc, POINT* points, int count) {
  for (int i = 0; i < count; ++i) points[i] = dc->GetMapping().DPtoLP(points[i]);
  return true;
}

bool LPtoDP(HDC dc, POINT* points, int count) {
  for (int i = 0; i < count; ++i) points[i] = dc->GetMapping().LPtoDP(points[i]);
  return true;
}

int SetBkMode(HDC dc, int mode) { return dc->SetBkMode(mode); }
int GetBkMode(HDC dc) { return dc->GetBkMode(); }
TColor SetBkColor(HDC dc, TColor color) { return dc->SetBkColor(color); }
TColor GetBkColor(HDC dc) { return dc->GetBkColor(); }
TColor SetTextColor(HDC dc, TColor color) { return dc->SetTextColor(color); }
TColor GetTextColor(HDC dc) { return dc->GetTextColor(); }
unsigned SetTextAlign(HDC dc, unsigned align) { return dc->SetTextAlign(align); }
unsigned GetTextAlign(HDC dc) { return dc->GetTextAlign(); }

HFONT SelectObject(HDC dc, HFONT font) { return dc->SelectFont(font); }

bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
  if (!metrics) return false;
  *metrics = dc->GetTextMetrics();
  return true;
}

bool GetTextExtentPoint32(HDC dc, const char* text, int length, SIZE* size) {
  if (!text || !size || length < 0) return false;
  *size = dc->TextExtent(AnsiString(text, static_cast<size_t>(length)));
  return true;
}

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
            TCopyMode rop) {
  return StretchBlt(dest, x, y, width, height, source, sx, sy, width, height, rop);
}

bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                int sourceWidth, int sourceHeight, TCopyMode rop) {
  if (!dest) return false;
  TCopyMode old = dest->GetCopyMode();
  dest->SetCopyMode(rop);
  dest->CopyRect(Bounds(x, y, width, height), source ? source : dest,
                 Bounds(sx, sy, sourceWidth, sourceHeight));
  dest->SetCopyMode(old);
  return true;
}
