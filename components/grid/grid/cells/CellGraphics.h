// The graphics cells carry in their properties objects: making one, finding one of some kinds,
// the space it takes, and the check box and integer values it shows. Private to the grid's
// files that add, size or draw cell graphics.
#pragma once

#include <initializer_list>

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::CellGraphics {
 public:
  explicit CellGraphics(TExtStringGrid& grid) : g(grid) {}

  TCellGraphic* NewGraphic(int ACol, int ARow);  // created, the cell repainted
  TCellGraphic* GraphicOf(int ACol, int ARow, std::initializer_list<TCellType> Types);
  TCellType BaseCellType(int ACol, int ARow);  // of the block's base cell
  // What an image-index list of a cell calls when it changes: its cell is painted anew.
  // The event keeps the grid, not this object, which lives only for the call.
  TImageChangeEvent ImageListRepaint() {
    return [grid = &g](TObject*, int Col, int Row) { grid->RepaintStoredCell(Col, Row); };
  }

  TSize GraphicOwnSize(const TCellGraphic& Graphic, TPoint Cell);
  TSize RadioGroupSize(const TCellGraphic& Graphic, TStrings* Captions);
  // PrintArea null: the screen's sizes.
  TSize GraphicSize(int ACol, int ARow, const TSize* PrintArea, double Factor);

  bool CheckEnabled(int ACol, int ARow);
  bool DataChecked(int ACol, int ARow);
  int CellIntValue(int ACol, int ARow);

 private:
  TExtStringGrid& g;
};
