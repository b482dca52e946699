// TExtStringGrid: the items of the combo editor, one list for every combo edit.
#include "components/grid/controls/EsgCombo.h"
#include "components/grid/grid/editing/GridEditorMade.h"
#include "components/grid/grid/editing/GridEditors.h"

void TExtStringGrid::ClearComboString() { MadeEditor(editors_->Combo, this)->GetItems()->Clear(); }

void TExtStringGrid::AddComboStringObject(const AnsiString& S, TObject* AObject) {
  MadeEditor(editors_->Combo, this)->GetItems()->AddObject(S, AObject);
}

bool TExtStringGrid::RemoveComboString(const AnsiString& S) {
  TStrings* items = MadeEditor(editors_->Combo, this)->GetItems();
  const int index = items->IndexOf(S);
  if (index < 0) return false;
  items->Delete(index);
  return true;
}

void TExtStringGrid::SetComboSelection(int Index) { edit_->ComboSelection = Index; }

bool TExtStringGrid::SetComboSelectionString(const AnsiString& S) {
  const int index = MadeEditor(editors_->Combo, this)->GetItems()->IndexOf(S);
  if (index < 0) return false;
  edit_->ComboSelection = index;
  return true;
}

int TExtStringGrid::GetComboCount() {
  return MadeEditor(editors_->Combo, this)->GetItems()->Count();
}
