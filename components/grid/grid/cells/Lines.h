// The grid's rows and columns as wholes: exchanged, removed, hidden in the hidden-row store
// and put back, cleared, merged into runs, measured and scaled while the mouse sizes one.
// Private to the grid's files that change or measure rows and columns.
#pragma once

#include <utility>
#include <vector>

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::Lines {
 public:
  explicit Lines(TExtStringGrid& grid) : g(grid) {}

  // The last row above the footer rows and the last column left of the right fixed columns.
  static int LastNormalRow(const TExtStringGrid& Grid) {
    return Grid.GetRowCount() - 1 - Grid.GetFixedFooters();
  }
  static int LastNormalCol(const TExtStringGrid& Grid) {
    return Grid.GetColCount() - 1 - Grid.GetFixedRightCols();
  }
  // The last index of Count lines from First, not beyond Limit (no overflow for any Count).
  static int LastOf(int First, int Count, int Limit);
  // A and B are two different lines of the Count there are.
  static bool TwoLines(int A, int B, int Count) {
    return A >= 0 && B >= 0 && A < Count && B < Count && A != B;
  }
  // The stored columns from that of the shown column First to that of Last, hidden ones
  // inside included; an empty span stays empty.
  static std::pair<int, int> StoredSpan(const TExtStringGrid& Grid, int First, int Last);

  // Rows out of the grid into the store (display rows, rising) and back (by real number).
  // Display rows (rising) into the store: taken out as the internal row removal does, or
  // as RemoveRowsEx does when the rows are consecutive and AsRemoveEx.
  void TakeRowsOut(const std::vector<int>& DisplayRows, bool AsRemoveEx);
  // Rows of the store back at their places.
  void PutRowsBack(THiddenRows::Rows Rows);
  // The display rows of the shown rows among the real rows FromRow..ToRow.
  std::vector<int> ShownRowsIn(int FromRow, int ToRow);

  void ExchangeRows(int ARow1, int ARow2);
  void ExchangeRowHeights(int ARow1, int ARow2);
  void ExchangeRowSelect(int ARow1, int ARow2);
  void ExchangeColumns(int ACol1, int ACol2);
  void ExchangeColWidths(int ACol1, int ACol2);
  void ExchangeCells(int ACol1, int ARow1, int ACol2, int ARow2);

  // Empties stored cells without telling CellsChanged.
  void ClearStoredRect(const TGridRect& R, TGridCells::Capacity Capacity = TGridCells::Capacity::GiveUp);
  // Takes Count rows out at ARow (the rows below move up) without freeing their objects;
  // Restore decides where the current row goes when its row is gone.
  enum class RowRestore { LastAboveFooter, FirstNormal };
  void DeleteRows(int ARow, int Count, RowRestore Restore);
  void RemoveShownRows(int ARow, int Count, RowRestore Restore);
  // The same for any rows (rising, inside the grid) at once.
  void DeleteRowSet(const std::vector<int>& Rows, RowRestore Restore);
  // The normal rows above the footer rows whose row-select state is Selected.
  std::vector<int> RowsSelected(bool Selected);
  void RemoveRowsSelected(bool Selected);

  int NeededSize(bool Widths, int Line);
  // Down a column (Down) or along a row: runs of equal cells merged, blocks split.
  std::pair<int, int> NormalRun(bool Down);
  void MergeRuns(bool Down, int Line, bool MainMerge);
  void SplitRuns(bool Down, int Line);

  void ScaleOtherLines(bool Columns, int Sized, double Ratio);
  void EndSizing();

 private:
  TExtStringGrid& g;
};
