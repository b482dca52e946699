#include "components/grid/formats/XlsReader.h"

#include <freexl.h>

#include <cstdio>
#include <optional>
#include <utility>

#include "components/grid/formats/ChildProcess.h"

#include "platform/core/datetime.h"
#include "platform/core/exception.h"

namespace {

class XlsFile {
 public:
  explicit XlsFile(const AnsiString& FileName) {
    if (freexl_open(FileName.c_str(), &handle_) != FREEXL_OK) {
      freexl_close(handle_);
      throw Exception("File " + FileName + " is no readable workbook");
    }
  }
  ~XlsFile() { freexl_close(handle_); }
  XlsFile(const XlsFile&) = delete;
  XlsFile& operator=(const XlsFile&) = delete;
  const void* Handle() const { return handle_; }

 private:
  const void* handle_ = nullptr;
};

// The library gives dates as "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" or "HH:MM:SS".
double DateValue(int Type, const char* Text) {
  int y = 1899, mo = 12, d = 30, h = 0, mi = 0, s = 0;
  if (Type == FREEXL_CELL_TIME)
    std::sscanf(Text, "%d:%d:%d", &h, &mi, &s);
  else
    std::sscanf(Text, "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
  const double day = Type == FREEXL_CELL_TIME ? 0 : EncodeDate(y, mo, d);
  return day + (h * 3600 + mi * 60 + s) / 86400.0;
}

TSheetValue CellValue(const FreeXL_CellValue& Cell) {
  TSheetValue v;
  switch (Cell.type) {
    case FREEXL_CELL_INT:
      v.Kind = TSheetValue::skNumber, v.Number = Cell.value.int_value;
      break;
    case FREEXL_CELL_DOUBLE:
      v.Kind = TSheetValue::skNumber, v.Number = Cell.value.double_value;
      break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
      if (Cell.value.text_value)
        v.Kind = TSheetValue::skText, v.Text = Utf8ToAnsi(Cell.value.text_value);
      break;
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
      try {
        if (Cell.value.text_value)
          v.Number = DateValue(Cell.type, Cell.value.text_value), v.Kind = TSheetValue::skDate;
      } catch (const EConvertError&) {  // a date the calendar lacks stays out
      }
      break;
    default:
      break;
  }
  return v;
}

bool ReadHere(const AnsiString& FileName, const AnsiString& SheetName, TSheetData& Sheet) {
  XlsFile file(FileName);
  unsigned int count = 0;
  freexl_get_info(file.Handle(), FREEXL_BIFF_SHEET_COUNT, &count);
  int index = SheetName.empty() && count > 0 ? 0 : -1;
  for (unsigned int i = 0; index < 0 && i < count; ++i) {
    const char* name = nullptr;
    if (freexl_get_worksheet_name(file.Handle(), static_cast<unsigned short>(i), &name) ==
            FREEXL_OK &&
        name && Utf8ToAnsi(name) == SheetName)
      index = static_cast<int>(i);
  }
  if (index < 0) return false;
  unsigned int rows = 0;
  unsigned short cols = 0;
  if (freexl_select_active_worksheet(file.Handle(), static_cast<unsigned short>(index)) !=
          FREEXL_OK ||
      freexl_worksheet_dimensions(file.Handle(), &rows, &cols) != FREEXL_OK)
    throw Exception("File " + FileName + " has a damaged sheet");
  for (unsigned int r = 0; r < rows; ++r)
    for (unsigned short c = 0; c < cols; ++c) {
      FreeXL_CellValue cell;
      if (freexl_get_cell_value(file.Handle(), r, c, &cell) != FREEXL_OK) continue;
      const TSheetValue v = CellValue(cell);
      if (v.Kind == TSheetValue::skEmpty) continue;
      const int col = c + 1, row = static_cast<int>(r) + 1;
      Sheet.Include(col, row);
      Sheet.Cells[{row, col}] = v;
    }
  return true;
}

// What the child hands back: 'S' and the cells of the sheet, 'N' for no such sheet, 'E' and
// the message of a refusal.
std::string ReadToBytes(const AnsiString& FileName, const AnsiString& SheetName) {
  try {
    TSheetData sheet;
    return ReadHere(FileName, SheetName, sheet) ? "S" + EncodeSheetCells(sheet) : "N";
  } catch (const Exception& e) {
    return "E" + e.Message;
  }
}

}  // namespace

// libfreexl trusts the records of the file, and a damaged one can make it read outside its
// buffers: it reads in a child process, so such a file is refused and the program goes on.
bool ReadXlsSheet(const AnsiString& FileName, const AnsiString& SheetName, TSheetData& Sheet) {
  const std::optional<std::string> reply =
      RunInChildProcess([&] { return ReadToBytes(FileName, SheetName); });
  const AnsiString unreadable = "File " + FileName + " is no readable workbook";
  if (!reply || reply->empty()) throw Exception(unreadable);
  if ((*reply)[0] == 'E') throw Exception(reply->substr(1));
  if ((*reply)[0] == 'N') return false;
  TSheetData read;
  if ((*reply)[0] != 'S' || !DecodeSheetCells(reply->substr(1), read)) throw Exception(unreadable);
  Sheet = std::move(read);
  return true;
}
