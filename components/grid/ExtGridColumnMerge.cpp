// TExtStringGrid: the columns whose equal neighbouring cells merge after a sort.
#include "components/grid/ExtGrid.h"

void TExtStringGrid::SetMergedColumns(const std::vector<int>& Value) {
  UndoColumnMerge();
  mergedColumns_ = Value;
  ApplyColumnMerge();
}

void TExtStringGrid::ApplyColumnMerge() {}

void TExtStringGrid::UndoColumnMerge() {}
