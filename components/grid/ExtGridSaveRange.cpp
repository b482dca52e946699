// TExtStringGrid: what every file and export shares: the save range, the progress report and
// the notifications that end a load.
#include <cmath>

#include "components/grid/ExtGrid.h"

int TExtStringGrid::GetSaveStartCol() const { return SaveFixedCells ? 0 : GetFixedCols(); }

int TExtStringGrid::GetSaveStartRow() const { return SaveFixedCells ? 0 : GetFixedRows(); }

int TExtStringGrid::GetSaveEndCol() const {
  return GetColCount() - 1 - (SaveFixedCells ? 0 : fixedRightCols_);
}

int TExtStringGrid::GetSaveEndRow() const {
  return GetRowCount() - 1 - (SaveFixedCells ? 0 : fixedFooters_);
}

// Last starts below 0 in each run, so the first value is always reported.
void TExtStringGrid::ReportProgress(int& Last, int Done, int Total) {
  if (!OnFileProgress) return;
  const int percent =
      static_cast<int>(std::lround(100.0 * Done / std::max(1, Total)));
  if (percent == Last) return;
  Last = percent;
  OnFileProgress(this, static_cast<int16_t>(percent));
}

void TExtStringGrid::FinishLoading() {
  CellsChanged(TRect(0, 0, GetColCount(), GetRowCount()));
  CellsLoaded();
}
