#include "components/grid/grid/editing/CellEditValues.h"

void SplitUnit(const AnsiString& Text, AnsiString& Number, AnsiString& Unit) {
  size_t end = 0;
  while (end < Text.size()) {
    const char c = Text[end];
    if (!(c >= '0' && c <= '9') && c != ',' && c != '.' && c != '-') break;
    ++end;
  }
  Number = Text.substr(0, end);
  Unit = Text.substr(end);
}

TDateTime PickerValue(const AnsiString& Text, bool Time, bool& Converted) {
  TDateTime value = 0;
  Converted = !Text.empty() && (Time ? TryStrToTime(Text, value) : TryStrToDate(Text, value));
  return Converted ? value : Now();
}
