#include "platform/graphics/logfont.h"

#include <algorithm>
#include <cstring>

#include "platform/graphics/font_handle.h"

HFONT CreateFontIndirect(const LOGFONT* font) {
  if (!font) return nullptr;
  HFONT handle = new HFONT__;
  handle->logFont = *font;
  handle->logFont.lfFaceName[sizeof font->lfFaceName - 1] = '\0';
  return handle;
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  unsigned italic, unsigned underline, unsigned strikeOut, unsigned charSet,
                  unsigned outPrecision, unsigned clipPrecision, unsigned quality,
                  unsigned pitchAndFamily, const char* faceName) {
  LOGFONT f;
  f.lfHeight = height;
  f.lfWidth = width;
  f.lfEscapement = escapement;
  f.lfOrientation = orientation;
  f.lfWeight = weight;
  f.lfItalic = static_cast<uint8_t>(italic != 0);
  f.lfUnderline = static_cast<uint8_t>(underline != 0);
  f.lfStrikeOut = static_cast<uint8_t>(strikeOut != 0);
  f.lfCharSet = static_cast<uint8_t>(charSet);
  f.lfOutPrecision = static_cast<uint8_t>(outPrecision);
  f.lfClipPrecision = static_cast<uint8_t>(clipPrecision);
  f.lfQuality = static_cast<uint8_t>(quality);
  f.lfPitchAndFamily = static_cast<uint8_t>(pitchAndFamily);
  if (faceName) std::strncpy(f.lfFaceName, faceName, sizeof f.lfFaceName - 1);
  return CreateFontIndirect(&f);
}

bool DeleteObject(HFONT font) {
  if (!font || font->ownedByFont || font->selections > 0) return false;
  delete font;
  return true;
}

int GetObject(HFONT font, int size, LOGFONT* out) {
  if (!font) return 0;
  int n = std::clamp(size, 0, static_cast<int>(sizeof(LOGFONT)));
  if (out && n == static_cast<int>(sizeof(LOGFONT))) *out = font->logFont;
  return n;
}
