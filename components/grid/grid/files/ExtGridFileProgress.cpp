// TExtStringGrid: what the file readers and writers share: the progress report and the
// notifications that end a load.
#include <cmath>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/files/FileIO.h"

// Last starts below 0 in each run, so the first value is always reported.
void TExtStringGrid::FileIO::ReportProgress(int& Last, int Done, int Total) {
  if (!g.OnFileProgress) return;
  const int percent = static_cast<int>(std::lround(100.0 * Done / std::max(1, Total)));
  if (percent == Last) return;
  Last = percent;
  g.OnFileProgress(&g, static_cast<int16_t>(percent));
}

void TExtStringGrid::FileIO::FinishLoading() {
  g.CellsChanged(TRect(0, 0, g.GetColCount(), g.GetRowCount()));
  g.CellsLoaded();
}
