// TExtStringGrid: every cell as plain text in columns as wide as their longest line, aligned
// as the cell is; the further lines of a multi-line cell go on lines of their own below.
#include "components/grid/grid/files/BusyCursor.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/formats/TextColumns.h"
#include "components/grid/formats/TextLines.h"

namespace {

constexpr const char* kCannotCreate = "Cannot Create file ";

void PadTo(AnsiString& Line, std::size_t Length) {
  if (Line.size() < Length) Line.append(Length - Line.size(), ' ');
}

}  // namespace

// Widths are whole numbers for any column count and any text length.
void TExtStringGrid::SaveToASCII(const AnsiString& FileName) {
  BusyCursor busy;
  std::vector<int> widths;
  std::vector<std::size_t> starts;
  std::size_t start = 0;
  for (int c = 0; c < GetColCount(); ++c) {
    widths.push_back(MaxCharsInCol(c));
    starts.push_back(start);
    start += static_cast<std::size_t>(widths.back()) + 1;
  }
  std::string out;
  for (int r = 0; r < GetRowCount(); ++r) {
    AnsiString main;
    std::vector<AnsiString> more;
    for (int c = 0; c < GetColCount(); ++c) {
      const AnsiString text = SaveCell(RemapCol(c), r);
      const TAlignment alignment = GetCellAlignment(RemapCol(c), r).HAlign;
      const bool several = Multilinecells && text.find("\r\n") != std::string::npos;
      const std::vector<AnsiString> lines = TextLinesOf(text, several);
      for (std::size_t k = 1; k < lines.size(); ++k) {
        if (more.size() < k) more.resize(k);
        PadTo(more[k - 1], starts[c]);
        more[k - 1] += AlignInWidth(lines[k], widths[c], alignment);
      }
      const AnsiString aligned = AlignInWidth(lines[0], widths[c], alignment);
      main += aligned;
      if (aligned.size() <= static_cast<std::size_t>(widths[c]))
        main.append(static_cast<std::size_t>(widths[c]) - aligned.size() + 1, ' ');
    }
    AppendTextLine(out, main);
    for (const AnsiString& line : more) AppendTextLine(out, line);
  }
  if (!WriteTextFile(FileName, out, false)) throw EExtGridError(WriteTextFailure(FileName, kCannotCreate));
}
