// Windows font handles: the logical font record, creating and deleting fonts, and reading a
// font's record. A canvas draws with a selected handle until its own font changes.
#pragma once

#include <cstdint>

enum : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum : uint8_t {
  ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, OEM_CHARSET = 255,
  OUT_DEFAULT_PRECIS = 0, OUT_TT_PRECIS = 4, CLIP_DEFAULT_PRECIS = 0, CLIP_LH_ANGLES = 0x10,
  DEFAULT_QUALITY = 0, DRAFT_QUALITY = 1, PROOF_QUALITY = 2,
  DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2
};

struct LOGFONT {
  int lfHeight = 0;       // logical units; negative: character height, positive: cell height
  int lfWidth = 0;
  int lfEscapement = 0;   // tenths of a degree, counter-clockwise
  int lfOrientation = 0;
  int lfWeight = FW_NORMAL;
  uint8_t lfItalic = 0;
  uint8_t lfUnderline = 0;
  uint8_t lfStrikeOut = 0;
  uint8_t lfCharSet = DEFAULT_CHARSET;
  uint8_t lfOutPrecision = 0;
  uint8_t lfClipPrecision = 0;
  uint8_t lfQuality = 0;
  uint8_t lfPitchAndFamily = 0;
  char lfFaceName[32] = {};
};
using LOGFONTA = LOGFONT;

struct HFONT__;
using HFONT = HFONT__*;

HFONT CreateFontIndirect(const LOGFONT* font);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  unsigned italic, unsigned underline, unsigned strikeOut, unsigned charSet,
                  unsigned outPrecision, unsigned clipPrecision, unsigned quality,
                  unsigned pitchAndFamily, const char* faceName);
// Frees a font made by CreateFont...; a TFont's own handle is not freed. False while the
// font is selected into a canvas.
bool DeleteObject(HFONT font);
// Copies the font's record; returns the bytes copied, 0 for a null handle.
int GetObject(HFONT font, int size, LOGFONT* out);
