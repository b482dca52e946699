// The mini-HTML renderer: lays out, hit-tests and draws a small HTML-like markup into a
// rectangle of any canvas (screen or printer). Cell texts, hints, footers and printed cells
// of the grid use it; it needs no grid. Each call is self-contained: the canvas's font,
// brush and pen are as they were when it returns.
#pragma once

#include "components/grid/html/HTMLControls.h"
#include "components/grid/html/HTMLPictureCache.h"
#include "components/grid/html/PictureContainer.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/imagelist.h"

// Whether controls may take the desktop's visual style (when a theme is active as well).
extern bool IsWinXP;

// What a call is asked to do, and with what.
struct THTMLDrawParams {
  TImageList* Images = nullptr;  // IMG SRC="IDX:n"
  int MouseX = -1;               // the point hit-tested, canvas coordinates
  int MouseY = -1;
  int FocusLink = -1;  // 0-based link that gets a focus rectangle; -1 none
  int HoverLink = -1;  // 1-based link under the mouse, for hover styling
  int ShadowOffset = 1;
  bool HitTestOnly = false;  // the second pass hit-tests without drawing
  bool MeasureOnly = false;  // only the measuring pass runs
  bool Printing = false;     // image-list and shell images print as stretched bitmaps
  bool Selected = false;     // link and FONT colours are not applied
  bool BlinkOn = true;       // BLINK text shows only in this phase
  bool HoverOnly = false;    // only the hovered link is styled as a link
  bool WordWrap = true;      // false: one line per break, ending in an ellipsis
  bool MouseDown = false;    // a control under the mouse draws pressed
  double ScaleFactor = 1.0;  // stretch of printed images
  TColor LinkColor = clBlue;
  TColor HoverBrushColor = clNone;
  TColor HoverFontColor = clNone;
  TColor ShadowColor = clGray;
  THTMLPictureCache* PictureCache = nullptr;
  const TPictureContainer* PictureContainer = nullptr;
  void* WindowHandle = nullptr;  // whose theme draws the controls
};

// What a call found.
struct THTMLDrawResult {
  AnsiString AnchorValue;  // the anchor under the mouse, or "ctrl" for a control
  AnsiString PlainText;    // the text laid out without markup; CR for each BR
  AnsiString FocusAnchor;  // the value of the focused link
  int ExtentX = 0;         // the widest line
  int ExtentY = 0;         // all lines laid out
  int LinkCount = 0;
  int LinkUnderMouse = -1;  // 1-based
  TRect LinkRect;           // that link, on the line where it ends
  TRect ControlRect;        // the control under the mouse
  AnsiString ControlId;
  AnsiString ControlValue;
  AnsiString ControlType;
};

// Lays Text out in Rect and, unless MeasureOnly, draws it (or with HitTestOnly only tests
// the mouse point). True when the point lies on a link's text, on an image inside a link or
// on a control; always false with MeasureOnly.
bool HTMLDrawEx(TCanvas* Canvas, const AnsiString& Text, const TRect& Rect,
                const THTMLDrawParams& Params, THTMLDrawResult& Result);

// Stretches the bitmap into Rect of the canvas (copy mode), as printer canvases need it.
void PrintBitmap(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap);
