// TExtStringGrid: fixed-width text files, each column a run of characters of its own width.
#include "components/grid/formats/TextColumns.h"
#include "components/grid/formats/TextLines.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/grid/files/FileIO.h"

namespace {
constexpr const char* kCannotCreate = "Cannot Create file ";
constexpr const char* kBadPositions = "Fixed-width positions need at least two, ascending from 1";
}  // namespace

int TExtStringGrid::MaxCharsInCol(int ACol) {
  int longest = 0;
  for (int r = 0; r < GetRowCount(); ++r)
    longest = std::max(longest, LongestLine(SaveCell(RemapCol(ACol), r), Multilinecells));
  return longest;
}

// A cell of several lines gives its first: a line break would split the record.
void TExtStringGrid::SaveToFixed(const AnsiString& FileName, TIntList& Widths) {
  for (int c = GetSaveStartCol(); c <= GetSaveEndCol(); ++c)
    if (c - GetSaveStartCol() >= Widths.Count()) Widths.Add(MaxCharsInCol(c) + 1);
  std::string out;
  for (int r = GetSaveStartRow(); r <= GetSaveEndRow(); ++r) {
    AnsiString line;
    for (int c = GetSaveStartCol(); c <= GetSaveEndCol(); ++c)
      line += FitToWidth(TextLinesOf(SaveCell(RemapCol(c), r), false)[0],
                         Widths.Items(c - GetSaveStartCol()));
    AppendTextLine(out, line);
  }
  if (!WriteTextFile(FileName, out, false)) throw EExtGridError(WriteTextFailure(FileName, kCannotCreate));
}

void TExtStringGrid::LoadFromFixed(const AnsiString& FileName, const TIntList& Positions) {
  const int n = Positions.Count();
  bool ordered = n >= 2 && Positions.Items(0) >= 1;
  for (int k = 1; k < n && ordered; ++k) ordered = Positions.Items(k) > Positions.Items(k - 1);
  if (!ordered || n - 1 > kMaxLoadedLines) throw EExtGridError(kBadPositions);
  std::vector<AnsiString> lines;
  if (!ReadTextLines(FileName, lines)) throw EExtGridError("File " + FileName + " not found");
  SetColCount(GetFixedCols() + n - 1);
  const int first = GetSaveStartRow();
  if (static_cast<int64_t>(first) + static_cast<int64_t>(lines.size()) > GetRowCount())
    SetRowCount(first + static_cast<int>(std::min<std::size_t>(lines.size(), kMaxLoadedLines)));
  for (int i = 0; i < static_cast<int>(lines.size()) && first + i < GetRowCount(); ++i)
    for (int k = 0; k + 1 < n; ++k)
      SetCellEx(
          GetSaveStartCol() + k, first + i,
          Trim(Copy(lines[i], Positions.Items(k), Positions.Items(k + 1) - Positions.Items(k))));
  FileIO(*this).FinishLoading();
}
