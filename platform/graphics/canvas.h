// TCanvas: the one drawing surface of the layer. Bound to a widget while it paints, to a
// TBitmap or to a printer page, it draws the same pixels on each. Its handle (HDC) is the
// canvas itself, so the Windows calls of gdi.h and drawtext.h reach the same state: mapping
// mode, clipping, background mode, text colour and alignment, a selected font handle.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/mapping.h"
#include "platform/graphics/pen.h"

class TCanvas;
class TGraphic;
using HDC = TCanvas*;

// Raster operations of CopyRect, Draw and BitBlt (the Windows values).
using TCopyMode = uint32_t;
enum : TCopyMode {
  cmBlackness = 0x00000042, cmDstInvert = 0x00550009, cmMergeCopy = 0x00C000CA,
  cmMergePaint = 0x00BB0226, cmNotSrcCopy = 0x00330008, cmNotSrcErase = 0x001100A6,
  cmPatCopy = 0x00F00021, cmPatInvert = 0x005A0049, cmPatPaint = 0x00FB0A09,
  cmSrcAnd = 0x008800C6, cmSrcCopy = 0x00CC0020, cmSrcErase = 0x00440328,
  cmSrcInvert = 0x00660046, cmSrcPaint = 0x00EE0086, cmWhiteness = 0x00FF0062,
  BLACKNESS = cmBlackness, DSTINVERT = cmDstInvert, MERGECOPY = cmMergeCopy,
  MERGEPAINT = cmMergePaint, NOTSRCCOPY = cmNotSrcCopy, NOTSRCERASE = cmNotSrcErase,
  PATCOPY = cmPatCopy, PATINVERT = cmPatInvert, PATPAINT = cmPatPaint, SRCAND = cmSrcAnd,
  SRCCOPY = cmSrcCopy, SRCERASE = cmSrcErase, SRCINVERT = cmSrcInvert, SRCPAINT = cmSrcPaint,
  WHITENESS = cmWhiteness
};

enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : unsigned { TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0, TA_BOTTOM = 8,
                  TA_BASELINE = 24 };
enum : unsigned { ETO_OPAQUE = 2, ETO_CLIPPED = 4 };
constexpr TColor CLR_INVALID = static_cast<TColor>(0xFFFFFFFF);

// What a device reports through GetDeviceCaps; sizes in device pixels.
struct TDeviceCaps {
  int width = 0;             // HORZRES: the printable width
  int height = 0;            // VERTRES
  int dpiX = 96;             // LOGPIXELSX
  int dpiY = 96;             // LOGPIXELSY
  int physicalWidth = 0;     // the paper; equal to width on a screen or bitmap
  int physicalHeight = 0;
  int offsetX = 0;           // printable area from the paper's edge
  int offsetY = 0;
  int bitsPerPixel = 32;
  int rasterCaps = 0x2A99;   // RC_BITBLT | RC_STRETCHBLT | RC_STRETCHDIB ...
};

// Font measures in logical units, as GetTextMetrics gives them.
struct TEXTMETRIC {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
};

// One drawing call in logical coordinates: what a canvas paints and what a recording canvas
// keeps.
enum TCanvasOp { coFillRect, coFrameRect, coRectangle, coRoundRect, coEllipse, coPolygon,
                 coPolyline, coLineTo, coArc, coTextOut, coDraw, coStretchDraw, coCopyRect,
                 coFocusRect, coSetPixel };

struct TCanvasCall {
  TCanvasOp Op = coFillRect;
  TRect Rect;                  // the shape's bounds; the clip rectangle of a text
  std::vector<TPoint> Points;  // polygon and line points; the text's reference point;
                               // round-rect corner size; arc start and end
  AnsiString Text;
  unsigned Options = 0;        // ETO_ flags of a text
  int Underline = -1;          // index of the character underlined as an accelerator
  TColor Color = clNone;       // the colour of SetPixel
  TGraphic* Graphic = nullptr;
  TCanvas* Source = nullptr;   // CopyRect source, with its rectangle in SourceRect
  TRect SourceRect;
};

struct TCanvasDC;  // the clip region and saved states; private to platform/

class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TFont* const Font;
  TBrush* const Brush;
  TPen* const Pen;
  void SetFont(const TFont* font) { Font->Assign(*font); }
  void SetBrush(const TBrush* brush) { Brush->Assign(*brush); }
  void SetPen(const TPen* pen) { Pen->Assign(*pen); }

  HDC GetHandle() { return this; }
  TCopyMode GetCopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }
  TPoint GetPenPos() const { return penPos_; }
  void SetPenPos(TPoint p) { penPos_ = p; }
  TColor GetPixels(int x, int y);  // CLR_INVALID outside the device or on a widget
  void SetPixels(int x, int y, TColor color);
  TRect GetClipRect() const;       // logical; the device's bounds without clipping

  // Areas: FillRect fills with the brush, FrameRect frames one pixel wide in the brush
  // colour; the shapes fill with the brush and outline with the pen, right and bottom edges
  // excluded as Windows draws them.
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void Polygon(const std::vector<TPoint>& points);
  void Polyline(const std::vector<TPoint>& points);
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  void LineTo(int x, int y);  // the end point itself stays undrawn
  // Counter-clockwise along the ellipse in the box from the ray through (x3, y3) to the ray
  // through (x4, y4).
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void DrawFocusRect(const TRect& r);  // dotted and XOR: drawing it twice removes it

  // Text at (x, y), its top-left corner by default (see SetTextAlign), in the font's colour;
  // the background follows the background mode. TextRect clips to the rectangle and, unless
  // the brush is clear, fills it first.
  void TextOut(int x, int y, const AnsiString& text);
  void TextRect(const TRect& r, int x, int y, const AnsiString& text);
  void ExtTextOut(int x, int y, unsigned options, const TRect* rect, const AnsiString& text,
                  int underline = -1);
  int TextWidth(const AnsiString& text) { return TextExtent(text).cx; }
  int TextHeight(const AnsiString& text) { return TextExtent(text).cy; }
  virtual TSize TextExtent(const AnsiString& text);  // logical units
  virtual TEXTMETRIC GetTextMetrics();

  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& r, TGraphic* graphic);
  // Copies a part of another canvas (a bitmap's, or a widget's) through CopyMode.
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

  // Device context state, reached through the Windows calls of gdi.h.
  const TMapping& GetMapping() const { return mapping_; }
  TMapping& Mapping() { return mapping_; }
  const TDeviceCaps& GetDeviceCaps() const { return caps_; }
  int GetBkMode();
  int SetBkMode(int mode);
  TColor GetBkColor();
  TColor SetBkColor(TColor color);
  TColor GetTextColor() const;
  TColor SetTextColor(TColor color);  // until the font changes
  unsigned GetTextAlign() const { return textAlign_; }
  unsigned SetTextAlign(unsigned align);
  HFONT SelectFont(HFONT font);       // null or the font's own handle: draw with Font again
  LOGFONT CurrentLogFont() const;     // the font that text is drawn with
  TCanvasDC& DC() { return *dc_; }

 protected:
  // Paints one call; a recording canvas keeps it instead.
  virtual void Perform(const TCanvasCall& call);
  virtual TColor ReadPixel(int x, int y);
  // The colours that the current brush, font and background mode give.
  void RealizeBrush();

 private:
  friend struct CanvasAccess;
  void Paint(TCanvasCall call) { RealizeBrush(); Perform(call); }

  std::unique_ptr<TFont> font_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TCanvasDC> dc_;
  TMapping mapping_;
  TDeviceCaps caps_;
  TCopyMode copyMode_ = cmSrcCopy;
  TPoint penPos_;
  unsigned textAlign_ = TA_LEFT | TA_TOP;
  int bkMode_ = OPAQUE;
  TColor bkColor_ = clWhite;
  bool brushChanged_ = true;
  bool textColorSet_ = false;
  TColor textColor_ = clBlack;
  HFONT selectedFont_ = nullptr;
};
