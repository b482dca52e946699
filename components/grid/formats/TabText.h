// Cells as text for the clipboard, without the grid: a Tab after every cell and CR LF between
// rows, and the rows and fields such a text gives back. Lines end at CR (an LF after it
// belongs to the line end); a text's last line needs none. A Tab that ends a line ends its
// last field, so the grid's own copies read back as many fields as were copied.
#pragma once

#include <vector>

#include "platform/core/text.h"
#include "platform/graphics/geometry.h"

using TTabRows = std::vector<std::vector<AnsiString>>;

TTabRows TabTextRows(const AnsiString& Text);
// Columns (the most fields of a row) and rows of a text.
TPoint TabTextSize(const AnsiString& Text);
// Rows of cells joined into such a text.
AnsiString JoinTabText(const TTabRows& Rows);
