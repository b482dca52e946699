// TExtStringGrid: the column widths and offsets of the last print layout.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"

namespace {

const char* const kColumnRange = "Columns is not in valid range";

std::size_t PrintColumn(int ACol, std::size_t count) {
  if (ACol < 0 || static_cast<std::size_t>(ACol) >= count) throw EExtGridError(kColumnRange);
  return static_cast<std::size_t>(ACol);
}

}  // namespace

int TExtStringGrid::GetPrintColWidth(int ACol) const {
  return printColWidths_[PrintColumn(ACol, printColWidths_.size())];
}

int TExtStringGrid::GetPrintColOffset(int ACol) const {
  return printColOffsets_[PrintColumn(ACol, printColOffsets_.size())];
}
