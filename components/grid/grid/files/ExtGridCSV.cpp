// TExtStringGrid: CSV files. The fields themselves are CSVText.h's; here the grid's rows and
// columns, the OEM code page, the floating footer and the progress report.
#include <algorithm>

#include "components/grid/core/GridUtil.h"
#include "components/grid/formats/CSVText.h"
#include "components/grid/formats/TextLines.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/grid/files/FileIO.h"

namespace {
constexpr const char* kCannotCreate = "Cannot Create file ";
constexpr const char* kCannotOpen = "Cannot open file ";
// Rows are added in steps of this many while the file's length is unknown.
constexpr int kRowStep = 1000;
}  // namespace

void TExtStringGrid::OutputToCSV(const AnsiString& FileName, bool Append) {
  const TCSVStyle style{Delimiter ? Delimiter : ',', AlwaysQuotes, QuoteEmptyCells, JavaCSV,
                        Multilinecells};
  std::string out;
  FileIO io(*this);
  int progress = -1;
  for (int r = GetSaveStartRow(); r <= GetSaveEndRow(); ++r) {
    AnsiString line;
    for (int c = GetSaveStartCol(); c <= io.ExportEndCol(); ++c) {
      if (c > GetSaveStartCol()) line += style.Delimiter;
      AnsiString text = SaveCell(io.ExportCol(c), r);
      if (OemConvert) StringToOem(text);
      line += CSVField(std::move(text), style);
    }
    AppendTextLine(out, line);
    io.ReportProgress(progress, r, GetRowCount() - 1);
  }
  if (!WriteTextFile(FileName, out, Append)) throw EExtGridError(WriteTextFailure(FileName, kCannotCreate));
}

void TExtStringGrid::InputFromCSV(const AnsiString& FileName, bool Insert) {
  std::vector<AnsiString> lines;
  if (!ReadTextLines(FileName, lines)) throw EExtGridError(kCannotOpen + FileName);
  const int fc = SaveFixedCells ? 0 : GetFixedCols();
  int row = Insert ? GetRowCount() : (SaveFixedCells ? 0 : GetFixedRows());
  // The floating footer's row stays the last: its texts wait while the rows go in above it.
  std::vector<AnsiString> footer;
  if (Insert && FloatingFooter.GetVisible() && row > 0) {
    --row;
    for (int c = 0; c < GetColCount(); ++c) {
      footer.push_back(GetGridCell(c, row));
      SetGridCell(c, row, "");
    }
  }
  const char delimiter =
      Delimiter ? Delimiter
                : DetectDelimiter(lines.empty() ? "" : lines[0], lines.size() > 1 ? lines[1] : "");
  const int count = static_cast<int>(lines.size());
  if (OnFileProgress) SetRowCount(row + count + GetFixedFooters());
  FileIO io(*this);
  int progress = -1;
  for (int i = 0; i < count; ++i, ++row) {
    if (OemConvert) OemToString(lines[i]);
    if (GetRowCount() - GetFixedFooters() <= row) SetRowCount(row + kRowStep);
    std::vector<AnsiString> fields = CSVFields(lines[i], delimiter, JavaCSV);
    const int cols = std::min<int>(static_cast<int>(fields.size()), kMaxLoadedLines);
    if (GetColCount() < fc + cols) SetColCount(fc + cols);
    for (int k = 0; k < cols; ++k) SetGridCell(fc + k, row, std::move(fields[k]));
    io.ReportProgress(progress, i + 1, count);
  }
  // The footer's row is one of the footer rows (the floating footer makes it one).
  SetRowCount(row + std::max(GetFixedFooters(), footer.empty() ? 0 : 1));
  for (int c = 0; c < static_cast<int>(footer.size()); ++c)
    SetGridCell(c, GetRowCount() - 1, footer[c]);
  io.FinishLoading();
}
