// The steps of the grid's sorts: the quick sort over the rows, the spare rows it works in,
// the comparisons of two rows' cells and the rows' exchanges. A sort's run state is the
// grid's TSortState; a Sorting object only binds the steps to the grid. Only the grid's sort
// and compare files include it.
#pragma once

#include <vector>

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::Sorting {
 public:
  explicit Sorting(TExtStringGrid& grid) : g(grid) {}

  struct Pass;
  class Space;
  struct Columns;  // what the running sort knows of the columns it compares

  TSortFormat ReadSortFormat(int ACol);
  const AnsiString& SortText(int ACol, int ARow, AnsiString& Made);
  // An empty cell goes last (blLast) or first (blFirst) in either direction.
  int PlaceBlanks(int Result, bool Empty1, bool Empty2) const {
    if (!g.SortSettings.IgnoreBlanks || Empty1 == Empty2) return Result;
    return (Empty1 ? 1 : -1) * (g.SortSettings.BlankPos == blLast ? 1 : -1) * DirectionFactor();
  }
  int DirectionFactor() const { return g.SortSettings.GetDirection() == sdAscending ? 1 : -1; }
  // Format: as the running sort knows it, or nullptr to ask for it.
  int CompareCells(int ACol, int ARow1, int ARow2, const TSortFormat* Format);
  int PassCompare(const Pass& P, int ARow1, int ARow2);
  void SwapSortedRows(int ARow1, int ARow2);
  void FlushSortedRows();
  void QuickSortRows(const Pass& P, int L, int R);
  void CopyPivotRow(int ARow, int Pivot);
  // The normal rows, or each group (first and last row) alone.
  void SortWhole(const Pass& P, bool KeepColumn0, const std::vector<TPoint>* Groups = nullptr);

 private:
  TExtStringGrid& g;
};
