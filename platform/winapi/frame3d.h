// A 3D frame of one-pixel rings: the top and left sides in one colour, the bottom and right in
// another. The rectangle comes back inside the rings.
#pragma once

#include "platform/graphics/canvas.h"

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);
