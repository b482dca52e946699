// TExtStringGrid: the items of the combo editor, one list for every combo edit.
#include "components/grid/controls/EsgCombo.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/GridEditorMade.h"
#include "components/grid/grid/editing/GridEditors.h"

void TExtStringGrid::ClearComboString() {
  MadeEditor(d_->editors->Combo, this)->GetItems()->Clear();
}

void TExtStringGrid::AddComboStringObject(const AnsiString& S, TObject* AObject) {
  MadeEditor(d_->editors->Combo, this)->GetItems()->AddObject(S, AObject);
}

bool TExtStringGrid::RemoveComboString(const AnsiString& S) {
  TStrings* items = MadeEditor(d_->editors->Combo, this)->GetItems();
  const int index = items->IndexOf(S);
  if (index < 0) return false;
  items->Delete(index);
  return true;
}

void TExtStringGrid::SetComboSelection(int Index) { d_->edit->ComboSelection = Index; }

bool TExtStringGrid::SetComboSelectionString(const AnsiString& S) {
  const int index = MadeEditor(d_->editors->Combo, this)->GetItems()->IndexOf(S);
  if (index < 0) return false;
  d_->edit->ComboSelection = index;
  return true;
}

int TExtStringGrid::GetComboCount() {
  return MadeEditor(d_->editors->Combo, this)->GetItems()->Count();
}
