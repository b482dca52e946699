// The record behind a font handle. Private to platform/.
#pragma once

#include "platform/graphics/logfont.h"

struct HFONT__ {
  LOGFONT logFont;
  bool ownedByFont = false;  // a TFont's own handle; freed with the font
  int selections = 0;        // canvases that draw with it
};
