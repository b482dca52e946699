// Walking the result index: record numbers by index position, the list page's rows and its
// scroll bar.
#include <cstdlib>

#include "engine/dbase.h"

long DbaseIndexRecord(const ResultIndex& index, long position) {
  if (dbase_anzahlindex == 0 || position < 0 || position >= index.RowCount()) return 0;
  return std::strtol(index.Cell(0, static_cast<int>(position)).c_str(), nullptr, 10);
}

std::vector<AnsiString> DbasePageRow(const ResultIndex& index, long position,
                                     const std::vector<int>& tags) {
  std::vector<AnsiString> row(std::max<std::size_t>(tags.size(), 1));
  if (position < 0 || position >= static_cast<long>(dbase_anzahlindex)) {
    row[0] = "-1";
    return row;
  }
  row[0] = IntToStr(position);
  dbase_lesen(DbaseIndexRecord(index, position));
  for (std::size_t c = 1; c < tags.size(); ++c) row[c] = DbaseColumnValue(tags[c]);
  return row;
}

DbaseScrollRange DbaseScrollRangeFor(int listRows) {
  DbaseScrollRange range;
  range.Max = dbase_anzahlindex > 1 ? static_cast<int>(dbase_anzahlindex - 1) : 0;
  range.LargeChange = listRows - 2;
  range.Position = static_cast<int>(dbase_ersterindex);
  return range;
}
