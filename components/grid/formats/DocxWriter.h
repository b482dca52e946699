// Writes a word-processor document (.docx) that holds one table: one table cell per given
// cell, its text in Windows-1252 (line feeds become line breaks) and its paragraph aligned
// left, centred or right. The columns share the width of an A4 page between its margins.
#pragma once

#include <vector>

#include "platform/core/text.h"

struct TDocCell {
  enum TAlign { Left, Center, Right };
  AnsiString Text;
  TAlign Align = Left;
};

using TDocTable = std::vector<std::vector<TDocCell>>;  // rows of cells

// Failures throw Exception; the file is then not written.
void WriteDocxTable(const AnsiString& FileName, const TDocTable& Table);
