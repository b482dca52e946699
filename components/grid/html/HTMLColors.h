// Colour values of mini-HTML attributes: "#RRGGBB" and the class library's colour names.
#pragma once

#include "platform/core/text.h"
#include "platform/graphics/color.h"

// "#RRGGBB" (the "#" optional): red in the low byte. Digits are read as upper-case hex; a
// value shorter than six digits counts its missing digits as 0.
TColor HTMLHexColor(const AnsiString& Value);
// One of the 40 colour names ("clRed", "clBtnFace" ..., any letter case); 0 (black) for a
// name not known.
TColor NamedColorToColor(const AnsiString& Name);
// A colour attribute: "#" values as hex, anything else as a name; an empty value gives
// clNone.
TColor HTMLAttrColor(const AnsiString& Value);
