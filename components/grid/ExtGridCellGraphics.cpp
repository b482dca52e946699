// TExtStringGrid: the graphic a cell carries in its properties object. Nodes and radio groups
// are built on these calls; the other kinds of graphic add theirs.
#include "components/grid/ExtGrid.h"

TCellGraphic* TExtStringGrid::CreateCellGraphic(int ACol, int ARow) {
  FreeCellGraphic(ACol, ARow);
  auto* graphic = new TCellGraphic;
  SetGraphicObjectEx(ACol, ARow, graphic);
  return graphic;
}

TCellGraphic* TExtStringGrid::GetCellGraphic(int ACol, int ARow) {
  return GetGraphicObjectEx(ACol, ARow);
}

TCellType TExtStringGrid::GetCellType(int ACol, int ARow) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  return graphic ? graphic->CellType : ctEmpty;
}

bool TExtStringGrid::FreeCellGraphic(int ACol, int ARow) {
  TCellProperties* props = FindCellProperties(ACol, ARow);
  if (!props || !props->Graphic) return false;
  delete props->Graphic;
  props->Graphic = nullptr;
  return true;
}

bool TExtStringGrid::RemoveCellGraphic(int ACol, int ARow, TCellType CellType) {
  const TCellGraphic* graphic = GetGraphicObjectEx(ACol, ARow);
  if (!graphic || graphic->CellType != CellType) return false;
  FreeCellGraphic(ACol, ARow);
  RepaintCell(RemapColInv(ACol), ARow);
  return true;
}
