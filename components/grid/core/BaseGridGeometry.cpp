// TBaseGrid: where cells and merged blocks lie in client pixels, and repainting them.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "components/grid/core/BaseGrid.h"
#include "platform/winapi/gdi.h"
#include "platform/graphics/mapping.h"

namespace {

// Pixels past the range of an int, from sizes a damaged file gave, are clamped to it.
int Pixels(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

// Where a line starts along its axis: fixed lines from the edge, scrollable ones from the end
// of the fixed lines, counted from the first scrollable line shown (before it when scrolled
// out of view). sum(a, b) adds up the sizes of lines a..b-1.
template <typename Sum>
int LineStart(int index, int fixed, int first, Sum sum) {
  if (index < fixed) return Pixels(sum(0, std::max(index, 0)));
  const int64_t fixedExtent = sum(0, fixed);
  if (index >= first) return Pixels(fixedExtent + sum(first, index));
  return Pixels(fixedExtent - sum(index, first));
}

}  // namespace

TRect TBaseGrid::GetCellRect(int ACol, int ARow) const {
  auto widths = [this](int a, int b) { return ColWidthsBetween(a, b); };
  auto heights = [this](int a, int b) { return RowHeightsBetween(a, b); };
  const int left = LineStart(ACol, GetFixedCols(), GetLeftCol(), widths);
  const int top = LineStart(ARow, GetFixedRows(), GetTopRow(), heights);
  return {left, top, TGridAxis::Advance(left, ColWidths(ACol)),
          TGridAxis::Advance(top, RowHeights(ARow))};
}

TRect TBaseGrid::ShownBlock(int ACol, int ARow) const {
  TRect block = FullCell(RemapCol(ACol), ARow);
  // A hidden column inside the block has no width; one at its right end is not shown.
  block.Left = RemapColInv(block.Left);
  block.Right = std::max(block.Left, RemapColInv(block.Right + 1) - 1);
  return block;
}

TRect TBaseGrid::BlockRect(int ACol, int ARow) const {
  const TRect block = ShownBlock(ACol, ARow);
  if (block.Left == block.Right && block.Top == block.Bottom) return GetCellRect(ACol, ARow);
  const TRect first = GetCellRect(block.Left, block.Top);
  const TRect last = GetCellRect(block.Right, block.Bottom);
  return {first.Left, first.Top, last.Right, last.Bottom};
}

// A block scrolled wholly above or left of the view would lie over the fixed cells, where a
// hit test or a repaint must not find it.
TRect TBaseGrid::CellRect(int ACol, int ARow) const {
  const TRect block = ShownBlock(ACol, ARow);
  auto scrolledOut = [](int first, int last, int fixed, int firstShown) {
    return first >= fixed && last < firstShown;
  };
  if (scrolledOut(block.Top, block.Bottom, GetFixedRows(), GetTopRow()) ||
      scrolledOut(block.Left, block.Right, GetFixedCols(), GetLeftCol()))
    return TRect();
  return BlockRect(ACol, ARow);
}

TPoint TBaseGrid::CellSize(int ACol, int ARow) const {
  const TRect r = BlockRect(ACol, ARow);
  return {r.Width(), r.Height()};
}

int TBaseGrid::FixedColsWidth() const { return Pixels(ColWidthsBetween(0, GetFixedCols())); }

int TBaseGrid::FixedRowsHeight() const { return Pixels(RowHeightsBetween(0, GetFixedRows())); }

void TBaseGrid::RepaintCell(int ACol, int ARow) { InvalidateClientRect(CellRect(ACol, ARow)); }

void TBaseGrid::SetGridOrientation(bool RightToLeft) {
  const int width = GetClientWidth();
  const int height = GetClientHeight();
  SetMapMode(GetCanvas(), MM_ANISOTROPIC);
  SetWindowOrgEx(GetCanvas(), RightToLeft ? width : 0, 0, nullptr);
  SetWindowExtEx(GetCanvas(), RightToLeft ? -width : width, height, nullptr);
  SetViewportExtEx(GetCanvas(), width, height, nullptr);
}

bool TBaseGrid::IsBaseCellEx(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
  const TPoint base = BaseCell(ACol, ARow);
  BaseCol = base.x;
  BaseRow = base.y;
  return IsBaseCell(ACol, ARow);
}
