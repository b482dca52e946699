// Walking the result index: record numbers by index position, the list page's rows and its
// scroll bar.
#include <algorithm>
#include <cstdlib>

#include "engine/dbase.h"

namespace {

// A layout may name a field the table lacks: its cells stay empty, where asking for the field
// would report it once per cell at every move of the page.
bool ShowsValue(int tag) {
  return tag >= kDbaseFirstLinkTag || (tag >= 0 && tag < dbase_anzahldatenfelder);
}

// The number a text starts with, as strtol reads it. The run writes plain digits: those are
// read directly, a million of them at a time for a pass over the hits.
long RecordNumber(std::string_view text) {
  constexpr std::size_t kSafeDigits = 18;  // cannot overflow a long
  auto parsed = [text] { return std::strtol(AnsiString(text).c_str(), nullptr, 10); };
  if (text.empty() || text.size() > kSafeDigits) return parsed();
  long number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return parsed();
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace

long DbaseIndexRecord(const ResultIndex& index, long position) {
  if (dbase_anzahlindex == 0 || position < 0 || position >= index.RowCount()) return 0;
  return RecordNumber(index.Cell(0, static_cast<int>(position)));
}

std::vector<long> DbaseHitRecords(const ResultIndex& index) {
  std::vector<long> records;
  records.reserve(dbase_anzahlindex);
  for (uint32_t p = 0; p < dbase_anzahlindex; ++p) records.push_back(DbaseIndexRecord(index, p));
  // A run without sort keys leaves them in order already.
  if (!std::is_sorted(records.begin(), records.end())) std::sort(records.begin(), records.end());
  return records;
}

std::vector<AnsiString> DbasePageRow(const ResultIndex& index, long position,
                                     const std::vector<int>& tags) {
  std::vector<AnsiString> row(std::max<std::size_t>(tags.size(), 1));
  row[0] = "-1";
  if (position < 0 || position >= static_cast<long>(dbase_anzahlindex)) return row;
  // A hit deleted since the run is no record to show or to open.
  if (dbase_lesen(DbaseIndexRecord(index, position)) != 1) return row;
  row[0] = IntToStr(position);
  for (std::size_t c = 1; c < tags.size(); ++c)
    if (ShowsValue(tags[c])) row[c] = DbaseColumnValue(tags[c]);
  return row;
}

DbaseScrollRange DbaseScrollRangeFor(int listRows) {
  DbaseScrollRange range;
  range.Max = dbase_anzahlindex > 1 ? static_cast<int>(dbase_anzahlindex - 1) : 0;
  range.LargeChange = listRows - 2;
  range.Position = static_cast<int>(dbase_ersterindex);
  return range;
}
