// TExtStringGrid: the floating footer's part in the grid: the column calculations of the last
// row and the footer's repainting.
#include <algorithm>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/paint/PaintState.h"

namespace {
// Numbers only: one text cell in a summed column must not stop every edit.
struct FooterFigures {
  double sum = 0, min = 0, max = 0;
  int count = 0;
  void Add(double value) {
    sum += value;
    min = count > 0 ? std::min(min, value) : value;
    max = count > 0 ? std::max(max, value) : value;
    ++count;
  }
  double Of(TColumnCalcType calc) const {
    switch (calc) {
      case acSUM: return sum;
      case acAVG: return count > 0 ? sum / count : 0;
      case acMIN: return min;
      case acMAX: return max;
      default: return 0;
    }
  }
};
}  // namespace

void TExtStringGrid::CalcFooter(int ACol) {
  if (!FloatingFooter.GetVisible() || FloatingFooter.GetFooterStyle() != fsFixedLastRow) return;
  const int last = GetRowCount() - 1;
  const int from = ACol < 0 ? 0 : ACol;
  const int to = ACol < 0 ? GetColCount() - 1 : std::min(ACol, GetColCount() - 1);
  for (int c = from; c <= to; ++c) {
    const TCellProperties* props = FindCellProperties(c, last);
    const auto calc = props ? static_cast<TColumnCalcType>(props->FooterCalc) : acNONE;
    if (calc == acNONE) continue;
    double value = std::max(0, last - GetFixedRows());
    if (calc != acCOUNT) {
      FooterFigures figures;
      for (int r = GetFixedRows(); r < last; ++r) {
        double cell = 0;
        if (CellTextToFloat(GetCellEx(c, r), cell)) figures.Add(cell);
      }
      value = figures.Of(calc);
    }
    SetFloats(c, last, value);
  }
}

void TExtStringGrid::FloatFooterUpdate() {
  TBaseGrid::FloatFooterUpdate();
  UpdateFooter();
}

TFooterPanel* TExtStringGrid::GetFooterPanel() const { return d_->paint->FooterPanel; }

void TExtStringGrid::UpdateFooter() {
  if (d_->paint->FooterPanel->GetVisible()) d_->paint->FooterPanel->Invalidate();
}
