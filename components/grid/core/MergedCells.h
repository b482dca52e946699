// The merge rules of a grid's cells. A block is a rectangle whose top-left cell, the base
// cell, stores the block's extra columns and rows; every other cell of it stores its distance
// back to the base cell (TCellProperties). The rules read those fields defensively: whatever
// a properties object contains, every cell and block they answer with lies inside the grid.
#pragma once

#include <string>

#include "components/grid/core/CellPropertyGrid.h"
#include "platform/graphics/geometry.h"

enum class TBlockExit { Left, Right, Up, Down };

// Where an arrow key takes a current cell out of Block: the next line beyond it, on the
// current row or column. False when that line lies outside Room (the cells a key may reach,
// both ends included).
bool LeaveBlock(const TRect& Block, TPoint Current, TBlockExit Exit, const TRect& Room,
                TPoint& Target);

class TMergedCells {
 public:
  explicit TMergedCells(TCellPropertyGrid& Grid) : grid_(Grid) {}

  TPoint BaseCell(int ACol, int ARow) const;
  // The extra columns and rows of the cell's block; (0, 0) for an ordinary cell.
  TPoint CellSpan(int ACol, int ARow) const;
  // The cell's block in cells, both corners included.
  TRect FullCell(int ACol, int ARow) const;
  // True for a cell without properties; else the cell's flag.
  bool IsBaseCell(int ACol, int ARow) const;
  // Every cell of a block larger than one cell.
  bool IsMergedCell(int ACol, int ARow) const;
  bool IsXMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).x > 0; }
  bool IsYMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).y > 0; }

  // The smallest positive row span of the blocks in row ARow (the row count when none) and
  // the largest (0 when none).
  int MinRowSpan(int ARow) const;
  int MaxRowSpan(int ARow) const;
  // Some column has both rows in row-merged blocks, and each such column in the same block.
  bool RowSpanIdentical(int ARow1, int ARow2) const;
  // Row by row both columns sit in one column-merged block, or have the same column span.
  bool ColSpanIdentical(int ACol1, int ACol2) const;

  // Makes the W x H rectangle at (ACol, ARow) one block. Blocks it overlaps are split first,
  // and it is cut at the grid's edge; W or H below 1, or a cell outside, does nothing.
  void MergeCells(int ACol, int ARow, int W, int H);
  // Turns every cell of the block containing the cell into an ordinary cell (giving each a
  // properties object).
  void SplitCells(int ACol, int ARow);

  // Where an arrow key takes a current cell out of its merged block: the next line beyond
  // the block, on the current row or column. False when the cell is in no block or no
  // scrollable cell lies beyond the block that way.
  bool LeaveBlock(TPoint Current, TBlockExit Exit, int FixedCols, int FixedRows,
                  TPoint& Target) const;

  // What keeps Block from being one block, its top-left cell the base cell; a block of one
  // cell may also be an ordinary cell. Empty when nothing does. Merging and splitting check
  // the cells they set in the debug build.
  std::string BlockFault(const TRect& Block) const;

 private:
  TCellPropertyGrid& grid_;

  bool Inside(int ACol, int ARow) const;
};
