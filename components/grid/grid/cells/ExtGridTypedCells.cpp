// TExtStringGrid: cell texts as numbers, dates and times, the current cell and the text
// without its tags.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/html/HTMLStrip.h"
#include "platform/core/format.h"

namespace {
const char* const kNoInteger = "Cell does not contain integer value";
const char* const kNoFloat = "Cell does not contain a float value";
}  // namespace

int TExtStringGrid::GetInts(int ACol, int ARow) {
  const AnsiString text = GetCellEx(ACol, ARow);
  int value = 0;
  if (!text.empty() && !TryStrToInt(text, value)) throw EExtGridError(kNoInteger);
  return value;
}

void TExtStringGrid::SetInts(int ACol, int ARow, int Value) {
  SetCellEx(ACol, ARow, IntToStr(Value));
}

double TExtStringGrid::GetFloats(int ACol, int ARow) {
  double value = 0;
  if (!CellTextToFloat(GetCellEx(ACol, ARow), value)) throw EExtGridError(kNoFloat);
  return value;
}

void TExtStringGrid::SetFloats(int ACol, int ARow, double Value) {
  SetCellEx(ACol, ARow, Format(FloatFormat, Value));
}

TDateTime TExtStringGrid::GetDates(int ACol, int ARow) { return StrToDate(GetCellEx(ACol, ARow)); }

void TExtStringGrid::SetDates(int ACol, int ARow, TDateTime Value) {
  SetCellEx(ACol, ARow, DateToStr(Value));
}

TDateTime TExtStringGrid::GetTimes(int ACol, int ARow) { return StrToTime(GetCellEx(ACol, ARow)); }

void TExtStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) {
  SetCellEx(ACol, ARow, TimeToStr(Value));
}

AnsiString TExtStringGrid::GetCurrentCell() { return GetCellEx(RemapCol(GetCol()), GetRow()); }

void TExtStringGrid::SetCurrentCell(const AnsiString& Value) {
  SetCellEx(RemapCol(GetCol()), GetRow(), Value);
}

AnsiString TExtStringGrid::GetStrippedCell(int ACol, int ARow) {
  return HTMLStrip(GetCellEx(ACol, ARow));
}
