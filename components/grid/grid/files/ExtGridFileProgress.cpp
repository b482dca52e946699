// TExtStringGrid: what the file readers and writers share: the progress report and the
// notifications that end a load.
#include <cmath>

#include "components/grid/grid/ExtGrid.h"

// Last starts below 0 in each run, so the first value is always reported.
void TExtStringGrid::ReportProgress(int& Last, int Done, int Total) {
  if (!OnFileProgress) return;
  const int percent = static_cast<int>(std::lround(100.0 * Done / std::max(1, Total)));
  if (percent == Last) return;
  Last = percent;
  OnFileProgress(this, static_cast<int16_t>(percent));
}

void TExtStringGrid::FinishLoading() {
  CellsChanged(TRect(0, 0, GetColCount(), GetRowCount()));
  CellsLoaded();
}
