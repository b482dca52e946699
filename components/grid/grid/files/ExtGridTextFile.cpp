// TExtStringGrid: the grid's own text file and the same records on a stream. The first line
// gives the column and row counts, "cw" lines the column widths, and every other line a cell
// as column "," row "," text, its line breaks kept on one line as Tab and Backspace.
#include "components/grid/core/GridUtil.h"
#include "components/grid/formats/TextLines.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/grid/files/FileIO.h"
#include "platform/controls/application.h"

namespace {

constexpr const char* kCannotCreate = "Cannot Create ";
constexpr const char* kCannotOpen = "Cannot open file ";
constexpr const char* kNoData = "File contains no data or corrupt file ";
constexpr int kMaxWidthDigits = 255;

AnsiString Pair(int A, int B) { return IntToStr(A) + "," + IntToStr(B); }

AnsiString WidthLine(int ACol, int Width) { return "cw " + Pair(ACol, Width); }

AnsiString CellLine(int ACol, int ARow, const AnsiString& Text) {
  return Pair(ACol, ARow) + "," + LfToFile(Text);
}

bool IsWidthLine(const AnsiString& Line) { return Line.compare(0, 2, "cw") == 0; }

// "cw c,w": the column from the 4th character, the width after the comma.
void ReadWidthLine(const AnsiString& Line, int& ACol, int& Width, bool Strict) {
  const AnsiString rest = Line.size() > 3 ? Line.substr(3) : AnsiString();
  const std::size_t comma = rest.find(',');
  const AnsiString col = rest.substr(0, comma);
  const AnsiString width =
      comma == std::string::npos ? AnsiString() : rest.substr(comma + 1, kMaxWidthDigits);
  ACol = Strict ? StrToInt(col) : LenientInt(col);
  Width = Strict ? StrToInt(width) : LenientInt(width);
}

// "c,r,text"; false when a comma is missing.
bool ReadCellLine(AnsiString Line, int& ACol, int& ARow, AnsiString& Text, bool Strict) {
  const std::size_t first = Line.find(',');
  const std::size_t second = first == std::string::npos ? first : Line.find(',', first + 1);
  if (second == std::string::npos) return false;
  const AnsiString col = Line.substr(0, first);
  const AnsiString row = Line.substr(first + 1, second - first - 1);
  ACol = Strict ? StrToInt(col) : LenientInt(col);
  ARow = Strict ? StrToInt(row) : LenientInt(row);
  Text = Line.substr(second + 1);
  return true;
}

bool IsLoadableCount(int Count) { return Count >= 0 && Count <= kMaxLoadedLines; }

// The header's column and row counts; false when they are beyond what a grid is given.
bool ReadHeader(AnsiString Header, int& Cols, int& Rows, bool Strict) {
  const AnsiString cols = GetToken(Header, ",");
  Cols = Strict ? StrToInt(cols) : LenientInt(cols);
  Rows = Strict ? StrToInt(Header) : LenientInt(Header);
  return IsLoadableCount(Cols) && IsLoadableCount(Rows);
}

// The lines after the header: widths go to the grid's columns, cells to Store.
template <typename Store>
void ReadRecords(TExtStringGrid& Grid, const std::vector<AnsiString>& Lines, bool Strict,
                 Store store) {
  for (std::size_t i = 1; i < Lines.size(); ++i) {
    int col, row;
    AnsiString text;
    if (IsWidthLine(Lines[i])) {
      int width;
      ReadWidthLine(Lines[i], col, width, Strict);
      if (col >= 0 && col < Grid.GetColCount() && width >= 0) Grid.SetColWidths(col, width);
    } else if (ReadCellLine(Lines[i], col, row, text, Strict)) {
      store(col, row, text);
    }
  }
}

}  // namespace

// With hidden columns saved, columns are written by stored index: a hidden column's width is
// the one it keeps, a shown one's that of where it is shown.
int TExtStringGrid::FileIO::ExportColWidth(int ACol) const {
  if (!g.SaveHiddenCells) return g.ColWidths(ACol);
  return g.IsHiddenColumn(ACol) ? g.GetAllColWidths(ACol) : g.ColWidths(g.RemapColInv(ACol));
}

void TExtStringGrid::SaveToFile(const AnsiString& FileName) {
  FileIO io(*this);
  const int endCol = io.ExportEndCol();
  std::string out;
  AppendTextLine(out, Pair(endCol - GetSaveStartCol() + 1, GetSaveRowCount()));
  for (int c = GetSaveStartCol(); c <= endCol; ++c)
    AppendTextLine(out, WidthLine(c, io.ExportColWidth(c)));
  int progress = -1;
  for (int r = GetSaveStartRow(); r <= GetSaveEndRow(); ++r) {
    for (int c = GetSaveStartCol(); c <= endCol; ++c) {
      const AnsiString text = GetCellEx(io.ExportCol(c), r);
      if (!text.empty()) AppendTextLine(out, CellLine(c, r, text));
    }
    io.ReportProgress(progress, r, GetSaveRowCount() - 1);
  }
  if (!WriteTextFile(FileName, out, false)) throw EExtGridError(WriteTextFailure(FileName, kCannotCreate));
}

void TExtStringGrid::LoadFromFile(const AnsiString& FileName) {
  std::vector<AnsiString> lines;
  if (!ReadTextLines(FileName, lines)) throw EExtGridError(kCannotOpen + FileName);
  const int fc = SaveFixedCells ? 0 : GetFixedCols();
  const int fr = SaveFixedCells ? 0 : GetFixedRows();
  // The counts are judged before the grid takes them: a damaged file leaves it as it was.
  int cols = GetColCount(), rows = GetRowCount();
  if (!lines.empty() && !lines[0].empty()) {
    if (!ReadHeader(lines[0], cols, rows, false)) throw EExtGridError(kNoData + FileName);
    cols += fc;
    rows += fr;
  }
  if (cols == 0 || rows == 0) throw EExtGridError(kNoData + FileName);
  SetColCount(cols);
  SetRowCount(rows);
  FileIO io(*this);
  int progress = -1;
  ReadRecords(*this, lines, false, [&](int col, int row, const AnsiString& text) {
    if (col < 0 || row < 0 || col >= GetColCount() || row >= GetRowCount()) return;
    SetGridCell(col, row, FileToLf(text, Multilinecells));
    io.ReportProgress(progress, row, GetRowCount() - 1);
    Application->ProcessMessages();
  });
  io.FinishLoading();
}

void TExtStringGrid::SaveToStream(TStream* Stream) {
  std::string out;
  AppendTextLine(out, Pair(GetSaveColCount(), GetSaveRowCount()));
  for (int c = 0; c < GetColCount(); ++c) AppendTextLine(out, WidthLine(c, ColWidths(c)));
  for (int r = GetSaveStartRow(); r <= GetSaveEndRow(); ++r)
    for (int c = GetSaveStartCol(); c <= GetSaveEndCol(); ++c) {
      const AnsiString text = SaveCell(RemapCol(c), r);
      if (!text.empty())
        AppendTextLine(out, CellLine(c - GetSaveStartCol(), r - GetSaveStartRow(), text));
    }
  Stream->WriteBuffer(out.data(), static_cast<int64_t>(out.size()));
}

// Numbers are read strictly here: a malformed one raises EConvertError.
void TExtStringGrid::LoadFromStream(TStream* Stream) {
  const std::vector<uint8_t> bytes = Stream->ReadRest();
  const std::vector<AnsiString> lines = SplitTextLines(std::string(bytes.begin(), bytes.end()));
  if (!lines.empty() && !lines[0].empty()) {
    int cols, rows;
    if (!ReadHeader(lines[0], cols, rows, true)) throw EStreamError("Stream read error");
    SetColCount(cols + GetSaveStartCol());
    SetRowCount(rows + GetSaveStartRow());
  }
  ReadRecords(*this, lines, true, [&](int col, int row, const AnsiString& text) {
    // Relative to the save range; compared before adding, so no number overflows.
    if (col < 0 || row < 0 || col >= GetColCount() - GetSaveStartCol() ||
        row >= GetRowCount() - GetSaveStartRow())
      return;
    SetCellEx(GetSaveStartCol() + col, GetSaveStartRow() + row, FileToLf(text, Multilinecells));
  });
  FileIO(*this).FinishLoading();
}
