// Attributes of a mini-HTML tag. Names are searched in the upper-cased tag (Upper); values
// are taken from Source, the tag as written or upper-cased, as each tag has it.
#pragma once

#include "platform/core/text.h"

// The text between the first two double quotes after Name ("SRC=", " COLOR=" ...); empty
// when the name or the quotes are missing.
AnsiString HTMLAttrValue(const AnsiString& Source, const AnsiString& Upper, const char* Name);
// Markup comes from files, the clipboard and drops: a number in it is held to what a screen
// or a page can show, so the layout's sums never overflow.
constexpr int kHTMLNumberLimit = 32767;
// The largest font a size attribute asks for, in points.
constexpr int kHTMLFontPointsLimit = 1000;

// The integer that follows Name, past "=" and an opening double quote: a sign and the digits
// up to the first other character, held within +-kHTMLNumberLimit. Valid tells whether a
// digit was there; the value is 0 when not.
int HTMLAttrNumber(const AnsiString& Upper, const char* Name, bool& Valid);
// The same reading of a whole value.
int HTMLNumber(const AnsiString& Value, bool& Valid);
