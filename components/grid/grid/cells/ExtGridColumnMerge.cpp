// TExtStringGrid: the columns whose equal neighbouring cells merge after a sort.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/LineState.h"

const std::vector<int>& TExtStringGrid::GetMergedColumns() const {
  return d_->lines->MergedColumns;
}

void TExtStringGrid::SetMergedColumns(const std::vector<int>& Value) {
  UndoColumnMerge();
  d_->lines->MergedColumns = Value;
  ApplyColumnMerge();
}

// The first listed column leads: the others merge only within its blocks.
void TExtStringGrid::ApplyColumnMerge() {
  for (std::size_t i = 0; i < d_->lines->MergedColumns.size(); ++i)
    MergeColumnCells(d_->lines->MergedColumns[i], i == 0);
}

void TExtStringGrid::UndoColumnMerge() {
  for (int c = 0; c < CellColCount(); ++c) SplitColumnCells(c);  // hidden columns too
}
