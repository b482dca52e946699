// Texts laid out in columns of characters for the fixed-width and column-aligned exports,
// without the grid.
#pragma once

#include <vector>

#include "platform/controls/control.h"
#include "platform/core/text.h"

// The lines of a text split at CR (an LF right after it dropped); without Multi the first only.
std::vector<AnsiString> TextLinesOf(const AnsiString& Text, bool Multi);
// The longest of those lines.
int LongestLine(const AnsiString& Text, bool Multi);
// Cut to Width characters, or followed by blanks up to it; a negative width counts as 0.
AnsiString FitToWidth(const AnsiString& Text, int Width);
// Blanks before a right-aligned text, and one before and one after a centred one, until it is
// at least Width long; a left-aligned text stays as it is.
AnsiString AlignInWidth(const AnsiString& Text, int Width, TAlignment Alignment);
