// TExtStringGrid: radio groups in cells, a graphic over a list of captions.
#include "components/grid/grid/ExtGrid.h"

namespace {

void SetRadio(TCellGraphic& Graphic, int DirRadio, int IdxRadio, TStrings* Strings, bool Owned) {
  Graphic.CellType = ctRadio;
  Graphic.CellBitmap = Strings;
  Graphic.CellCreated = Owned;
  Graphic.CellAngle = Strings->Count();
  Graphic.CellBoolean = DirRadio != 0;
  Graphic.CellIndex = IdxRadio;
}

}  // namespace

void TExtStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* Strings) {
  if (!Strings) return;
  SetRadio(*CreateCellGraphic(ACol, ARow), DirRadio, IdxRadio, Strings, false);
  RepaintCell(RemapColInv(ACol), ARow);
}

TStrings* TExtStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
  auto* strings = new TStringList;
  SetRadio(*CreateCellGraphic(ACol, ARow), DirRadio, IdxRadio, strings, true);
  RepaintCell(RemapColInv(ACol), ARow);
  return strings;
}

bool TExtStringGrid::GetRadioIdx(int ACol, int ARow, int& Idx) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || graphic->CellType != ctRadio) return false;
  Idx = graphic->CellIndex;
  return true;
}

bool TExtStringGrid::SetRadioIdx(int ACol, int ARow, int Idx) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || graphic->CellType != ctRadio) return false;
  graphic->CellIndex = Idx;
  RepaintCell(RemapColInv(ACol), ARow);
  return true;
}

TStrings* TExtStringGrid::GetRadioStrings(int ACol, int ARow) {
  const TPoint base = BaseCell(ACol, ARow);
  const TCellGraphic* graphic = GetCellGraphic(base.x, base.y);
  return graphic && graphic->CellType == ctRadio ? static_cast<TStrings*>(graphic->CellBitmap)
                                                 : nullptr;
}

bool TExtStringGrid::IsRadio(int ACol, int ARow) {
  const TPoint base = BaseCell(ACol, ARow);
  return GetCellType(base.x, base.y) == ctRadio;
}
