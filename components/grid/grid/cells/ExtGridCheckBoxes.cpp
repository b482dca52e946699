// TExtStringGrid: check boxes in cells, and toggling them and radio groups. A data check box
// keeps its state in the cell text: checked while the text is the cell's true value.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/CellGraphics.h"

namespace {

TCellVAlign CheckVAlign(TVAlignment Grid) {
  switch (Grid) {
    case vtaCenter:
      return vaCenter;
    case vtaBottom:
      return vaBottom;
    default:
      return vaTop;
  }
}

}  // namespace

bool TExtStringGrid::CellGraphics::CheckEnabled(int ACol, int ARow) {
  bool canEdit = true;
  g.GetCellReadOnly(ACol, ARow, canEdit);
  return canEdit;
}

bool TExtStringGrid::CellGraphics::DataChecked(int ACol, int ARow) {
  AnsiString checkTrue;
  g.GetCheckTrue(ACol, ARow, checkTrue);
  return g.GetCellEx(ACol, ARow) == checkTrue;
}

void TExtStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
  CellGraphics(*this)
      .NewGraphic(ACol, ARow)
      ->SetCheckBox(State, Data, true, haBeforeText, CheckVAlign(GetVAlignment()));
}

bool TExtStringGrid::RemoveCheckBox(int ACol, int ARow) {
  if (!CellGraphics(*this).GraphicOf(ACol, ARow, {ctCheckBox, ctDataCheckBox})) return false;
  FreeCellGraphic(ACol, ARow);
  RepaintStoredCell(ACol, ARow);
  return true;
}

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
  CellGraphics cells(*this);
  const TCellGraphic* graphic = cells.GraphicOf(ACol, ARow, {ctCheckBox, ctDataCheckBox});
  if (!graphic) return false;
  State = graphic->CellType == ctCheckBox ? graphic->CellBoolean : cells.DataChecked(ACol, ARow);
  return true;
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
  TCellGraphic* graphic = CellGraphics(*this).GraphicOf(ACol, ARow, {ctCheckBox, ctDataCheckBox});
  if (!graphic) return false;
  if (graphic->CellType == ctCheckBox) {
    graphic->CellBoolean = State;
    RepaintStoredCell(ACol, ARow);
    return true;
  }
  AnsiString value;
  State ? GetCheckTrue(ACol, ARow, value) : GetCheckFalse(ACol, ARow, value);
  SetCellEx(ACol, ARow, value);
  return true;
}

// A data check box whose text is neither value becomes checked.
bool TExtStringGrid::ToggleCheck(int ACol, int ARow, bool FromEdit) {
  CellGraphics cells(*this);
  TCellGraphic* graphic = cells.GraphicOf(ACol, ARow, {ctCheckBox, ctDataCheckBox});
  if (!graphic || (FromEdit && !cells.CheckEnabled(ACol, ARow))) return false;
  if (graphic->CellType == ctCheckBox) {
    graphic->CellBoolean = !graphic->CellBoolean;
  } else {
    AnsiString value;
    cells.DataChecked(ACol, ARow) ? GetCheckFalse(ACol, ARow, value)
                                  : GetCheckTrue(ACol, ARow, value);
    SetCellEx(ACol, ARow, value);
  }
  RepaintStoredCell(ACol, ARow);
  return true;
}

bool TExtStringGrid::ToggleRadio(int ACol, int ARow, bool FromEdit) {
  CellGraphics cells(*this);
  TCellGraphic* graphic = cells.GraphicOf(ACol, ARow, {ctRadio});
  if (!graphic || (FromEdit && !cells.CheckEnabled(ACol, ARow))) return false;
  const TStrings* items = GetRadioStrings(ACol, ARow);
  const int count = items ? items->Count() : 0;
  if (count == 0) return false;
  graphic->CellIndex = graphic->CellIndex < 0 ? 0 : (graphic->CellIndex + 1) % count;
  RepaintStoredCell(ACol, ARow);
  return true;
}

TCellType TExtStringGrid::CellGraphics::BaseCellType(int ACol, int ARow) {
  const TPoint base = g.BaseCell(ACol, ARow);
  return g.GetCellType(base.x, base.y);
}

bool TExtStringGrid::HasCheckBox(int ACol, int ARow) {
  const TCellType type = CellGraphics(*this).BaseCellType(ACol, ARow);
  return type == ctCheckBox || type == ctDataCheckBox;
}

bool TExtStringGrid::HasDataCheckBox(int ACol, int ARow) {
  return CellGraphics(*this).BaseCellType(ACol, ARow) == ctDataCheckBox;
}

bool TExtStringGrid::HasButton(int ACol, int ARow) {
  const TCellType type = CellGraphics(*this).BaseCellType(ACol, ARow);
  return type == ctButton || type == ctBitButton;
}

bool TExtStringGrid::HasStaticEdit(int ACol, int ARow) {
  const TCellType type = CellGraphics(*this).BaseCellType(ACol, ARow);
  return type == ctBitmap || type == ctIcon || type == ctDataCheckBox;
}
