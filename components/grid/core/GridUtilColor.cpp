// Colours for HTML output and darker shades.
#include "components/grid/core/GridUtil.h"

AnsiString HTMLColor(TColor Color) {
  return IntToHex(GetRValue(Color), 2) + IntToHex(GetGValue(Color), 2) +
         IntToHex(GetBValue(Color), 2);
}

TColor DarkenColor(TColor Color) {
  TColor rgb = ColorToRGB(Color);
  return RGB(GetRValue(rgb) >> 1, GetGValue(rgb) >> 1, GetBValue(rgb) >> 1);
}
