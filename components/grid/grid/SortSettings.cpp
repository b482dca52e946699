#include "components/grid/grid/SortSettings.h"

#include "components/grid/grid/ExtGridError.h"

TSortSettings::TSortSettings(std::function<int()> FixedRowCount)
    : fixedRowCount_(std::move(FixedRowCount)) {}

void TSortSettings::SetRow(int Value) {
  if (Value > fixedRowCount_()) throw EExtGridError(kSortRowTooBig);
  Update(row_, Value);
}
