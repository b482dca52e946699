// Windows DrawText and DrawTextEx on a canvas: alignment, word breaks, tabs, accelerator
// prefixes, end ellipsis and measuring, by the rules Windows follows. Vertical centring
// and bottom alignment act on a single line only; DT_EDITCONTROL leaves out a partly
// visible last line; DT_CALCRECT measures and draws nothing.
#pragma once

#include "platform/graphics/canvas.h"

enum : unsigned {
  DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
  DT_TABSTOP = 0x80, DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800, DT_INTERNAL = 0x1000, DT_EDITCONTROL = 0x2000,
  DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000,
  DT_RTLREADING = 0x20000, DT_WORD_ELLIPSIS = 0x40000
};

struct DRAWTEXTPARAMS {
  unsigned cbSize = sizeof(DRAWTEXTPARAMS);
  int iTabLength = 0;    // in average character widths; 0 for 8
  int iLeftMargin = 0;   // logical units
  int iRightMargin = 0;
  unsigned uiLengthDrawn = 0;
};

// `count` -1 takes the text up to its NUL. Returns the height of the text, or, for a single
// line centred or at the bottom, the distance from the rectangle's top to the text's bottom.
int DrawText(HDC dc, const char* text, int count, TRect* rect, unsigned format);
int DrawTextEx(HDC dc, const char* text, int count, TRect* rect, unsigned format,
               DRAWTEXTPARAMS* params);
