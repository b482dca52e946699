// The reading side of the binary grid stream: a stream is read whole before the grid changes,
// so a damaged one leaves the grid as it was, and its cells are placed from there by a load
// or a paste of the grid's own clipboard format. Private to the grid's binary stream file.
#pragma once

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::BinStream {
 public:
  explicit BinStream(TExtStringGrid& grid) : g(grid) {}

  struct BinCells;
  struct BinDressing;
  void ReadBinCells(const TPoint& P, TStream& Stream, BinCells& Cells);
  void ReadCellRecords(TStream& Stream, BinCells& Cells);
  void PlaceBinCells(BinCells& Cells, bool Paste);
  void PlaceCellRecords(BinCells& Cells, bool Paste);
  void DressBinCell(int ACol, int ARow, BinDressing& More);

 private:
  TExtStringGrid& g;
};
