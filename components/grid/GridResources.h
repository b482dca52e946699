// The bitmaps the grid draws by name: the column filter mark ("ESGFILT", 16 x 16) and the
// wheel-panning origin marks ("INTLI1" up and down, "INTLI2" left and right, "INTLI3" all
// four ways; 32 x 32). They are drawn here in code; the top-left pixel of each is its
// background, which the transparent drawing replaces.
#pragma once

#include "platform/core/text.h"

class TBitmap;

// Draws the named bitmap into Bitmap (resized to it); false for a name the grid lacks.
bool LoadBitmapResource(TBitmap& Bitmap, const AnsiString& Name);
