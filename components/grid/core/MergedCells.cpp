#include "components/grid/core/MergedCells.h"

#include <algorithm>
#include <string>

#include "components/grid/core/CellProperties.h"
#include "platform/core/invariant.h"

namespace {

template <typename Visit>
void ForEachCell(const TRect& Block, Visit visit) {
  for (int r = Block.Top; r <= Block.Bottom; ++r)
    for (int c = Block.Left; c <= Block.Right; ++c) visit(c, r);
}

std::string CellName(int ACol, int ARow) {
  return "cell (" + std::to_string(ACol) + ", " + std::to_string(ARow) + ")";
}

// A span clamped to the cells left before the grid's edge: 0 to Room.
int Reach(int Span, int Room) { return std::clamp(Span, 0, std::max(Room, 0)); }

}  // namespace

bool TMergedCells::Inside(int ACol, int ARow) const {
  return ACol >= 0 && ARow >= 0 && ACol < grid_.CellColCount() && ARow < grid_.CellRowCount();
}

TPoint TMergedCells::BaseCell(int ACol, int ARow) const {
  const TCellProperties* props = grid_.FindCellProperties(ACol, ARow);
  return props ? props->GetBaseCell(ACol, ARow) : TPoint{ACol, ARow};
}

TPoint TMergedCells::CellSpan(int ACol, int ARow) const {
  const TCellProperties* props = grid_.FindCellProperties(ACol, ARow);
  if (!props || props->CellSpanX == -1 || props->CellSpanY == -1) return {0, 0};
  const TPoint base = props->GetBaseCell(ACol, ARow);
  const TCellProperties* baseProps = grid_.FindCellProperties(base.x, base.y);
  if (!baseProps) return {0, 0};
  return {Reach(baseProps->CellSpanX, grid_.CellColCount() - 1 - base.x),
          Reach(baseProps->CellSpanY, grid_.CellRowCount() - 1 - base.y)};
}

TRect TMergedCells::FullCell(int ACol, int ARow) const {
  const TPoint base = BaseCell(ACol, ARow);
  const TPoint span = CellSpan(ACol, ARow);
  return {base.x, base.y, base.x + span.x, base.y + span.y};
}

bool TMergedCells::IsBaseCell(int ACol, int ARow) const {
  const TCellProperties* props = grid_.FindCellProperties(ACol, ARow);
  return !props || props->IsBaseCell;
}

bool TMergedCells::IsMergedCell(int ACol, int ARow) const {
  const TCellProperties* props = grid_.FindCellProperties(ACol, ARow);
  return props && (props->CellSpanX >= 1 || props->CellSpanY >= 1);
}

int TMergedCells::MinRowSpan(int ARow) const {
  int result = grid_.CellRowCount();
  for (int c = 0; c < grid_.CellColCount(); ++c) {
    const int span = CellSpan(c, ARow).y;
    if (span > 0 && span < result) result = span;
  }
  return result;
}

int TMergedCells::MaxRowSpan(int ARow) const {
  int result = 0;
  for (int c = 0; c < grid_.CellColCount(); ++c) result = std::max(result, CellSpan(c, ARow).y);
  return result;
}

bool TMergedCells::RowSpanIdentical(int ARow1, int ARow2) const {
  bool any = false;
  for (int c = 0; c < grid_.CellColCount(); ++c) {
    if (!IsYMergedCell(c, ARow1) || !IsYMergedCell(c, ARow2)) continue;
    if (BaseCell(c, ARow1).y != BaseCell(c, ARow2).y) return false;
    any = true;
  }
  return any;
}

bool TMergedCells::ColSpanIdentical(int ACol1, int ACol2) const {
  for (int r = 0; r < grid_.CellRowCount(); ++r) {
    const bool oneBlock = IsXMergedCell(ACol1, r) && IsXMergedCell(ACol2, r) &&
                          BaseCell(ACol1, r).x == BaseCell(ACol2, r).x;
    if (!oneBlock && CellSpan(ACol1, r).x != CellSpan(ACol2, r).x) return false;
  }
  return true;
}

void TMergedCells::MergeCells(int ACol, int ARow, int W, int H) {
  if (W < 1 || H < 1 || !Inside(ACol, ARow)) return;
  const TRect block{ACol, ARow, ACol + std::min(W, grid_.CellColCount() - ACol) - 1,
                    ARow + std::min(H, grid_.CellRowCount() - ARow) - 1};
  // An old block left under the new one would keep its spans over it.
  ForEachCell(block, [&](int c, int r) {
    if (IsMergedCell(c, r)) SplitCells(c, r);
  });
  ForEachCell(block, [&](int c, int r) {
    TCellProperties* props = grid_.GetCellProperties(c, r);
    props->IsBaseCell = c == ACol && r == ARow;
    props->CellSpanX = props->IsBaseCell ? block.Right - ACol : c - ACol;
    props->CellSpanY = props->IsBaseCell ? block.Bottom - ARow : r - ARow;
  });
  CheckInvariant("merged cells", [&] { return BlockFault(block); });
  ForEachCell(block, [&](int c, int r) { grid_.RepaintStoredCell(c, r); });
}

void TMergedCells::SplitCells(int ACol, int ARow) {
  if (!Inside(ACol, ARow)) return;
  const TRect full = FullCell(ACol, ARow);
  // Spans that do not reach back to the cell still must not leave it merged.
  const TRect block{std::min(full.Left, ACol), std::min(full.Top, ARow), std::max(full.Right, ACol),
                    std::max(full.Bottom, ARow)};
  ForEachCell(block, [&](int c, int r) {
    TCellProperties* props = grid_.GetCellProperties(c, r);
    props->IsBaseCell = true;
    props->CellSpanX = -1;
    props->CellSpanY = -1;
  });
  CheckInvariant("merged cells", [&] {
    std::string fault;
    ForEachCell(block, [&](int c, int r) {
      if (fault.empty()) fault = BlockFault({c, r, c, r});
    });
    return fault;
  });
  ForEachCell(block, [&](int c, int r) { grid_.RepaintStoredCell(c, r); });
}

std::string TMergedCells::BlockFault(const TRect& Block) const {
  if (!Inside(Block.Left, Block.Top) || !Inside(Block.Right, Block.Bottom))
    return "the block reaches beyond the grid";
  const int spanX = Block.Right - Block.Left, spanY = Block.Bottom - Block.Top;
  std::string fault;
  ForEachCell(Block, [&](int c, int r) {
    const TCellProperties* props = grid_.FindCellProperties(c, r);
    const bool base = c == Block.Left && r == Block.Top;
    const bool ordinary =
        !props || (props->IsBaseCell && props->CellSpanX == -1 && props->CellSpanY == -1);
    if (!fault.empty() || (base && spanX == 0 && spanY == 0 && ordinary)) return;
    if (!props)
      fault = CellName(c, r) + " has no properties";
    else if (props->IsBaseCell != base)
      fault = CellName(c, r) + (base ? " is not" : " is") + " a base cell";
    else if (props->CellSpanX != (base ? spanX : c - Block.Left) ||
             props->CellSpanY != (base ? spanY : r - Block.Top))
      fault = CellName(c, r) + " holds the spans " + std::to_string(props->CellSpanX) + ", " +
              std::to_string(props->CellSpanY);
  });
  return fault;
}

bool TMergedCells::LeaveBlock(TPoint Current, TBlockExit Exit, int FixedCols, int FixedRows,
                              TPoint& Target) const {
  if (!IsMergedCell(Current.x, Current.y)) return false;
  const TRect room{FixedCols, FixedRows, grid_.CellColCount() - 1, grid_.CellRowCount() - 1};
  return ::LeaveBlock(FullCell(Current.x, Current.y), Current, Exit, room, Target);
}

bool LeaveBlock(const TRect& Block, TPoint Current, TBlockExit Exit, const TRect& Room,
                TPoint& Target) {
  switch (Exit) {
    case TBlockExit::Left:
      Target = {Block.Left - 1, Current.y};
      return Target.x >= Room.Left;
    case TBlockExit::Right:
      Target = {Block.Right + 1, Current.y};
      return Target.x <= Room.Right;
    case TBlockExit::Up:
      Target = {Current.x, Block.Top - 1};
      return Target.y >= Room.Top;
    case TBlockExit::Down:
      Target = {Current.x, Block.Bottom + 1};
      return Target.y <= Room.Bottom;
  }
  return false;
}
