// TExtStringGrid: the columns whose equal neighbouring cells merge after a sort.
#include "components/grid/grid/ExtGrid.h"

void TExtStringGrid::SetMergedColumns(const std::vector<int>& Value) {
  UndoColumnMerge();
  mergedColumns_ = Value;
  ApplyColumnMerge();
}

// The first listed column leads: the others merge only within its blocks.
void TExtStringGrid::ApplyColumnMerge() {
  for (std::size_t i = 0; i < mergedColumns_.size(); ++i)
    MergeColumnCells(mergedColumns_[i], i == 0);
}

void TExtStringGrid::UndoColumnMerge() {
  for (int c = 0; c < CellColCount(); ++c) SplitColumnCells(c);  // hidden columns too
}
