// TExtStringGrid: the graphic a cell carries in its properties object, and what the kinds of
// graphic share: making one, finding one of some kinds, and the cell's integer value that
// progress bars and data images show.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/CellGraphics.h"

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
  RepaintStoredCell(ACol, ARow);
  return true;
}

TCellGraphic* TExtStringGrid::CellGraphics::NewGraphic(int ACol, int ARow) {
  TCellGraphic* graphic = g.CreateCellGraphic(ACol, ARow);
  g.RepaintStoredCell(ACol, ARow);
  return graphic;
}

TCellGraphic* TExtStringGrid::CellGraphics::GraphicOf(int ACol, int ARow,
                                                      std::initializer_list<TCellType> Types) {
  TCellGraphic* graphic = g.GetCellGraphic(ACol, ARow);
  if (!graphic) return nullptr;
  for (TCellType type : Types)
    if (graphic->CellType == type) return graphic;
  return nullptr;
}

// Painted at every repaint, so a text that is no integer must not raise: it counts 0.
int TExtStringGrid::CellGraphics::CellIntValue(int ACol, int ARow) {
  int value = 0;
  return TryStrToInt(g.GetCellEx(ACol, ARow), value) ? value : 0;
}
