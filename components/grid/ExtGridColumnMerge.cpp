// TExtStringGrid: the columns whose equal neighbouring cells merge after a sort.
#include "components/grid/ExtGrid.h"

void TExtStringGrid::SetMergedColumns(const std::vector<int>& Value) {
  UndoColumnMerge();
  mergedColumns_ = Value;
  ApplyColumnMerge();
}

// Merging and splitting runs of equal neighbours (MergeColumnCells with the first listed column
// leading, SplitColumnCells for every column) come with the row and column operations.
void TExtStringGrid::ApplyColumnMerge() {}

void TExtStringGrid::UndoColumnMerge() {}
