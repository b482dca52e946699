// The bitmaps the grid draws by name: the column filter mark ("ESGFILT", 16 x 16), the
// wheel-panning origin marks ("INTLI1" up and down, "INTLI2" left and right, "INTLI3" all
// four ways; 32 x 32), the check boxes of two looks ("ESGCHK01" to "ESGCHK04" soft, "ESGCHK05"
// to "ESGCHK08" themed: checked, unchecked, checked disabled, unchecked disabled; 15 x 15),
// the radio buttons in the same order ("ESGRAD01" to "ESGRAD08", 16 x 16) and the leaf node
// marks ("ESGLEAFOPEN", "ESGLEAFCLOSE", 16 x 16). They are drawn here in code; the top-left pixel
// of each is its background, which the transparent drawing replaces.
#pragma once

#include "platform/core/text.h"

class TBitmap;

// Draws the named bitmap into Bitmap (resized to it); false for a name the grid lacks.
bool LoadBitmapResource(TBitmap& Bitmap, const AnsiString& Name);
