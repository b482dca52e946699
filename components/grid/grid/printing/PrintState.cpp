#include "components/grid/grid/printing/PrintState.h"

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGridError.h"

namespace {

const char* const kColumnRange = "Columns is not in valid range";

bool Kept(int Col) { return Col >= 0 && Col < TPrintState::kColumns; }

std::size_t KeptColumn(int Col) {
  if (!Kept(Col)) throw EExtGridError(kColumnRange);
  return static_cast<std::size_t>(Col);
}

}  // namespace

const TGridRect& TPrintState::ClipRange(int ColCount, int RowCount) {
  Range = ClipGridRect(Range, ColCount, RowCount);
  return Range;
}

bool TPrintState::HasPagesOf(int Pages) const {
  return FromPage > 0 && ToPage > 0 && ToPage >= FromPage && FromPage <= Pages;
}

int TPrintState::ColWidth(int Col) const { return colWidths_[KeptColumn(Col)]; }

int TPrintState::ColOffset(int Col) const { return colOffsets_[KeptColumn(Col)]; }

void TPrintState::KeepColWidth(int Col, int Width) {
  if (Kept(Col)) colWidths_[static_cast<std::size_t>(Col)] = Width;
}

void TPrintState::KeepColOffset(int Col, int Offset) {
  if (Kept(Col)) colOffsets_[static_cast<std::size_t>(Col)] = Offset;
}
