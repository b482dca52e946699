// TBaseGrid: where cells and merged blocks lie in client pixels, and repainting them.
#include <algorithm>

#include "components/grid/core/BaseGrid.h"
#include "platform/winapi/gdi.h"
#include "platform/graphics/mapping.h"

namespace {

// The sum of the sizes of lines first..last-1.
template <typename Size>
int SizesBetween(int first, int last, Size size) {
  int sum = 0;
  for (int i = first; i < last; ++i) sum += size(i);
  return sum;
}

// Where a line starts along its axis: fixed lines from the edge, scrollable ones from the end
// of the fixed lines, counted from the first scrollable line shown (before it when scrolled
// out of view).
template <typename Size>
int LineStart(int index, int fixed, int first, Size size) {
  const int fixedExtent = SizesBetween(0, fixed, size);
  if (index < fixed) return SizesBetween(0, std::max(index, 0), size);
  if (index >= first) return fixedExtent + SizesBetween(first, index, size);
  return fixedExtent - SizesBetween(index, first, size);
}

}  // namespace

TRect TBaseGrid::GetCellRect(int ACol, int ARow) const {
  auto width = [this](int c) { return ColWidths(c); };
  auto height = [this](int r) { return RowHeights(r); };
  const int left = LineStart(ACol, GetFixedCols(), GetLeftCol(), width);
  const int top = LineStart(ARow, GetFixedRows(), GetTopRow(), height);
  return {left, top, left + ColWidths(ACol), top + RowHeights(ARow)};
}

TRect TBaseGrid::ShownBlock(int ACol, int ARow) const {
  TRect block = FullCell(RemapCol(ACol), ARow);
  // A hidden column inside the block takes no room; one at its right end is not shown.
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

int TBaseGrid::FixedColsWidth() const {
  return SizesBetween(0, GetFixedCols(), [this](int c) { return ColWidths(c); });
}

int TBaseGrid::FixedRowsHeight() const {
  return SizesBetween(0, GetFixedRows(), [this](int r) { return RowHeights(r); });
}

void TBaseGrid::RepaintCell(int ACol, int ARow) { InvalidateClientRect(CellRect(ACol, ARow)); }

void TBaseGrid::Invalidate() {
  TStringGrid::Invalidate();
  InvalidateClientRect({0, 0, GetClientWidth(), GetClientHeight()});
}

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
