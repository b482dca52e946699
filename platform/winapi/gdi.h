// The Windows drawing calls the program makes on a canvas's handle: device capabilities,
// mapping modes and conversions, background and text settings, font selection, clipping
// regions, saved states and block transfers.
#pragma once

#include "platform/graphics/canvas.h"

enum : int {
  HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, PLANES = 14,
  NUMCOLORS = 24, RASTERCAPS = 38, LOGPIXELSX = 88, LOGPIXELSY = 90, PHYSICALWIDTH = 110,
  PHYSICALHEIGHT = 111, PHYSICALOFFSETX = 112, PHYSICALOFFSETY = 113
};
enum : int { RC_BITBLT = 0x1, RC_STRETCHBLT = 0x800, RC_STRETCHDIB = 0x2000 };

int GetDeviceCaps(HDC dc, int index);

int SetMapMode(HDC dc, int mode);  // returns the previous mode
int GetMapMode(HDC dc);
bool SetWindowExtEx(HDC dc, int x, int y, SIZE* old);
bool SetViewportExtEx(HDC dc, int x, int y, SIZE* old);
bool SetWindowOrgEx(HDC dc, int x, int y, POINT* old);
bool SetViewportOrgEx(HDC dc, int x, int y, POINT* old);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old);
bool GetWindowExtEx(HDC dc, SIZE* size);
bool GetViewportExtEx(HDC dc, SIZE* size);
bool GetWindowOrgEx(HDC dc, POINT* point);
bool GetViewportOrgEx(HDC dc, POINT* point);
bool DPtoLP(HDC dc, POINT* points, int count);
bool LPtoDP(HDC dc, POINT* points, int count);

int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
TColor SetBkColor(HDC dc, TColor color);
TColor GetBkColor(HDC dc);
TColor SetTextColor(HDC dc, TColor color);
TColor GetTextColor(HDC dc);
unsigned SetTextAlign(HDC dc, unsigned align);
unsigned GetTextAlign(HDC dc);

HFONT SelectObject(HDC dc, HFONT font);  // returns the font it replaces
bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
bool GetTextExtentPoint32(HDC dc, const char* text, int length, SIZE* size);

// SaveDC returns the new depth; RestoreDC takes a depth, or -1 for the last state saved.
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int saved);

// Regions are in device pixels, as Windows keeps them.
struct HRGN__;
using HRGN = HRGN__*;
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const TRect* rect);
enum : int { ALTERNATE = 1, WINDING = 2 };
// The pixels inside a closed polygon, by the alternate (even-odd) or winding fill rule.
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, TRect* box);
bool PtInRegion(HRGN region, int x, int y);
bool DeleteObject(HRGN region);
// Clipping: a null region removes it; the rectangles are logical.
int SelectClipRgn(HDC dc, HRGN region);
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int GetClipBox(HDC dc, TRect* box);
// 1 and a copy of the clip region, or 0 when the canvas is not clipped.
int GetClipRgn(HDC dc, HRGN region);

// Copies pixels between canvases through a raster operation; StretchBlt scales.
bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
            TCopyMode rop);
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                int sourceWidth, int sourceHeight, TCopyMode rop);
