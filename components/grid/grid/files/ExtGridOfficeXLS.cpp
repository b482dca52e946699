// TExtStringGrid: a worksheet loaded into the cells, and the cells saved as a worksheet. The
// values take the texts a spreadsheet shows for them in the user's locale.
#include <fstream>

#include "components/grid/core/GridUtil.h"
#include "components/grid/formats/SheetData.h"
#include "components/grid/formats/XlsReader.h"
#include "components/grid/formats/XlsxReader.h"
#include "components/grid/formats/XlsxWriter.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/grid/files/BusyCursor.h"
#include "components/grid/grid/files/FileIO.h"
#include "components/grid/grid/files/OfficeTargets.h"
#include "platform/core/datetime.h"
#include "platform/core/exception.h"

namespace {

// The legacy binary workbook is a compound file; everything else is read as an archive.
bool IsCompoundFile(const AnsiString& FileName) {
  std::ifstream in(FileName, std::ios::binary);
  if (!in) throw EExtGridError("Cannot open file " + FileName);
  char head[4] = {0};
  in.read(head, sizeof head);
  return AnsiString(head, sizeof head) == "\xD0\xCF\x11\xE0";
}

// Numbers with 15 significant digits, dates and times in the locale's formats.
AnsiString SheetText(const TSheetValue& Value) {
  switch (Value.Kind) {
    case TSheetValue::skText:
      return Value.Text;
    case TSheetValue::skNumber:
      return FloatToStr(Value.Number);
    case TSheetValue::skDate:
      return DateTimeToStr(Value.Number);
    case TSheetValue::skBoolean:
      return Value.Number != 0 ? "True" : "False";
    default:
      return "";
  }
}

// Where the sheet's first cell lies in the grid: after the fixed cells unless they are saved.
TPoint DataOrigin(const TExtStringGrid& Grid) {
  if (Grid.SaveFixedCells) return TPoint(0, 0);
  return TPoint(Grid.GetFixedColsEx(), Grid.GetFixedRowsEx());
}

}  // namespace

void TExtStringGrid::LoadFromXLS(const AnsiString& FileName) {
  FileIO(*this).LoadXLS(FileName, "");
}

void TExtStringGrid::LoadFromXLSSheet(const AnsiString& FileName, const AnsiString& SheetName) {
  FileIO(*this).LoadXLS(FileName, SheetName);
}

void TExtStringGrid::SaveToXLS(const AnsiString& FileName) { FileIO(*this).SaveXLS(FileName, ""); }

void TExtStringGrid::SaveToXLSSheet(const AnsiString& FileName, const AnsiString& SheetName) {
  FileIO(*this).SaveXLS(FileName, SheetName);
}

void TExtStringGrid::FileIO::LoadXLS(const AnsiString& FileName, const AnsiString& SheetName) {
  BusyCursor busy;
  TSheetData sheet;
  const bool found = IsCompoundFile(FileName) ? ReadXlsSheet(FileName, SheetName, sheet)
                                              : ReadXlsxSheet(FileName, SheetName, sheet);
  if (!found) throw EExtGridError("Excel worksheet " + SheetName + " not found");
  PlaceSheet(sheet);
}

// The used range from its first cell on; empty and error cells leave the grid's cell as it was.
void TExtStringGrid::FileIO::PlaceSheet(const TSheetData& Sheet) {
  const int cols = Sheet.LastCol - Sheet.FirstCol + 1;
  const int rows = Sheet.LastRow - Sheet.FirstRow + 1;
  const TPoint origin = DataOrigin(g);
  const int colOffset = origin.x, rowOffset = origin.y;
  g.SetColCountEx(cols + colOffset);
  g.SetRowCountEx(rows + rowOffset);
  for (const auto& [at, value] : Sheet.Cells) {
    if (value.Kind == TSheetValue::skEmpty || value.Kind == TSheetValue::skError) continue;
    g.SetCellEx(at.second - Sheet.FirstCol + colOffset, at.first - Sheet.FirstRow + rowOffset,
                SheetText(value));
  }
  FinishLoading();
}

void TExtStringGrid::FileIO::SaveXLS(const AnsiString& FileName, const AnsiString& SheetName) {
  BusyCursor busy;
  const auto rows = SheetRows();
  WriteOfficeTarget(FileName, ".xls", ".xlsx", kExcelNotFound, !SheetName.empty(),
                    [&](const AnsiString& Target, bool Exists) {
                      if (Exists)
                        PutXlsxSheet(Target, SheetName, rows);
                      else
                        WriteXlsxFile(Target, SheetName, rows);
                    });
}

// The export texts from the save offsets on; a text that reads as a number is one, as it is
// when typed into a sheet.
std::vector<std::vector<TSheetValue>> TExtStringGrid::FileIO::SheetRows() {
  const TPoint origin = DataOrigin(g);
  const int colOffset = origin.x, rowOffset = origin.y;
  std::vector<std::vector<TSheetValue>> rows;
  for (int r = rowOffset; r < g.GetRowCountEx(); ++r) {
    auto& row = rows.emplace_back();
    for (int c = colOffset; c < g.GetColCountEx(); ++c) {
      TSheetValue& value = row.emplace_back();
      value.Text = LineFeedsToXLS(g.SaveCell(g.RemapCol(c), r));
      value.Kind =
          TryStrToFloat(value.Text, value.Number) ? TSheetValue::skNumber : TSheetValue::skText;
    }
  }
  return rows;
}
