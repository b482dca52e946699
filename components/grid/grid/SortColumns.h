// What the running sort knows of the columns it compares, and the comparisons of rows that
// read it: inline where the sorts compare, since a sort of a million rows compares some
// twenty million times. Only the grid's sort and compare files include it.
#pragma once

#include "components/grid/core/SortRun.h"
#include "components/grid/grid/Sorting.h"

struct TExtStringGrid::Sorting::Columns {
  // What Run knows of a column of the grid (nullptr without a run).
  static TSortKeys::Column* Of(TExtStringGrid& Grid, TSortRun* Run, int ACol) {
    if (!Run || ACol < 0 || ACol >= Grid.GetColCount()) return nullptr;
    TSortKeys::Column& column = Run->Keys.At(ACol);
    return column.Known ? &column : Know(Grid, ACol);
  }
  static TSortKeys::Column* Know(TExtStringGrid& Grid, int ACol);

  static int Compare(TExtStringGrid& Grid, TSortRun* Run, int ACol, int ARow1, int ARow2) {
    const TSortKeys::Column* column = Of(Grid, Run, ACol);
    if (!column || !column->Holds(ARow1, ARow2))
      return Sorting(Grid).CompareCells(ACol, ARow1, ARow2, column ? &column->Format : nullptr);
    const TSortKey& key1 = column->Keys[ARow1];
    const TSortKey& key2 = column->Keys[ARow2];
    return Sorting(Grid).PlaceBlanks(
        CompareSortKeys(column->Format.Style, key1, key2, column->Texts), key1.Empty, key2.Empty);
  }
  static int Line(TExtStringGrid& Grid, TSortRun* Run, int ACol, int ARow1, int ARow2) {
    for (int col = ACol;; ++col) {
      const int result = Compare(Grid, Run, col, ARow1, ARow2);
      if (result != 0 || !Grid.SortSettings.Full || col > Grid.GetColCount() - 2) return result;
    }
  }
  static int LineIndexed(TExtStringGrid& Grid, TSortRun* Run, int Index, int ARow1, int ARow2) {
    const TSortIndexList& indexes = Grid.SortIndexes;
    for (int k = Index; k < indexes.Count(); ++k) {
      const uint32_t entry = indexes.Items(k);
      const int result = Compare(Grid, Run, TSortIndexList::Column(entry), ARow1, ARow2);
      if (result == 0 && Grid.SortSettings.Full && k + 1 < indexes.Count()) continue;
      return TSortIndexList::Descending(entry) ? -result : result;
    }
    return 0;
  }
};
