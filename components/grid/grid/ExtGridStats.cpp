// TExtStringGrid: figures in rows and columns: numbering the normal cells, and the sum,
// average, smallest and largest value of a range of float cells (GetFloats).
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/Lines.h"

namespace {

struct FloatStats {
  double sum = 0;
  double min = 0;
  double max = 0;
  int count = 0;
  double Average() const { return count > 0 ? sum / count : 0; }
};

// The floats of cells From..To along a column (Columnwise) or a row.
FloatStats LineStats(TExtStringGrid& Grid, bool Columnwise, int Line, int From, int To) {
  FloatStats stats;
  for (int i = From; i <= To; ++i) {
    const double value = Columnwise ? Grid.GetFloats(Line, i) : Grid.GetFloats(i, Line);
    stats.sum += value;
    stats.min = stats.count > 0 ? std::min(stats.min, value) : value;
    stats.max = stats.count > 0 ? std::max(stats.max, value) : value;
    ++stats.count;
  }
  return stats;
}

}  // namespace

void TExtStringGrid::AutoNumberCol(int ACol) {
  for (int r = GetFixedRows(); r <= Lines::LastNormalRow(*this); ++r)
    SetCellEx(ACol, r, IntToStr(r - GetFixedRows() + 1));
}

void TExtStringGrid::AutoNumberRow(int ARow) {
  for (int c = GetFixedCols(); c <= Lines::LastNormalCol(*this); ++c)
    SetCellEx(c, ARow, IntToStr(c - GetFixedCols() + 1));
}

double TExtStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
  return LineStats(*this, true, ACol, FromRow, ToRow).sum;
}
double TExtStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
  return LineStats(*this, true, ACol, FromRow, ToRow).Average();
}
double TExtStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
  return LineStats(*this, true, ACol, FromRow, ToRow).min;
}
double TExtStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
  return LineStats(*this, true, ACol, FromRow, ToRow).max;
}
double TExtStringGrid::RowSum(int ARow, int FromCol, int ToCol) {
  return LineStats(*this, false, ARow, FromCol, ToCol).sum;
}
double TExtStringGrid::RowAvg(int ARow, int FromCol, int ToCol) {
  return LineStats(*this, false, ARow, FromCol, ToCol).Average();
}
double TExtStringGrid::RowMin(int ARow, int FromCol, int ToCol) {
  return LineStats(*this, false, ARow, FromCol, ToCol).min;
}
double TExtStringGrid::RowMax(int ARow, int FromCol, int ToCol) {
  return LineStats(*this, false, ARow, FromCol, ToCol).max;
}
