// The end of an editor control's edit, shared by the controls.
#include "components/grid/grid/editing/GridEditorEnding.h"

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "platform/stdctrls/edit.h"

TExtStringGrid* EditorGrid(TComponent* AOwner) {
  // The grid makes its controls with itself as the owner; anything else is a misuse.
  auto* grid = dynamic_cast<TExtStringGrid*>(AOwner);
  if (!grid) throw Exception("An editor control needs its grid as the owner");
  return grid;
}

// An untouched control leaves the cell's text as it was.
bool EditorValueAccepted(TExtStringGrid* Grid, const AnsiString& Value,
                         const std::function<void(const AnsiString& CellText, bool Refused)>& Show) {
  const bool unread = Grid->EditorValueUntouched(Value);
  if (!unread) Grid->SetCurrentCell(Value);
  const bool accepted = Grid->ValidateCell(unread ? Grid->GetCurrentCell() : Value);
  Show(Grid->GetCurrentCell(), !accepted);
  return accepted;
}

void ShowRefusedInEdit(TWinControl* Control, const AnsiString& CellText) {
  Control->SetText(CellText);
  if (auto* edit = dynamic_cast<TCustomEdit*>(Control)) edit->SetSelStart(static_cast<int>(CellText.size()));
  Control->Invalidate();
}

void WantTabWithGrid(TExtStringGrid* Grid, TCMWantSpecialKey& Message) {
  if (Message.CharCode == VK_TAB && Grid->GetOptions().Contains(goTabs)) Message.Result = 1;
}

// Leaving by the mouse validates as the keys do. A refused value stays in the open control when
// the click went to the grid; leaving for another control ends the edit with the cell's text.
void EditorLeft(TExtStringGrid* Grid) {
  const bool toGrid = Grid->Focused();
  if (!Grid->ControlValueAccepted() && toGrid) return Grid->KeepRefusedEdit();
  Grid->HideInplaceEdit();
  // An accepted validation has closed the edit already; its control still shows.
  if (Grid->GetEditors().Shown) Grid->HideCellEdit();
}
