// TExtStringGrid: how an edit starts, which editor it gets, and how it ends.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/ExtInplaceEdit.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/editing/InplaceFilter.h"
#include "platform/controls/keys.h"

TInplaceEdit* TExtStringGrid::CreateEditor() { return new TExtInplaceEdit(this, MultiLineEditor()); }

// A wrapping cell is edited on several lines, but not behind a password or a mask: those
// stay one line.
bool TExtStringGrid::MultiLineEditor() {
  return WordWrap && d_->edit->Editor != edPassword && GetEditMask(GetCol(), GetRow()).empty();
}

bool TExtStringGrid::CanEditShow() {
  if (Validating) return false;
  bool show = TBaseGrid::CanEditShow();
  if (GetComponentState().Contains(csDesigning)) return show;
  const TPoint base = BaseCell(RemapCol(GetCol()), GetRow());
  if (show && !EditActive && HasStaticEdit(base.x, base.y)) return false;
  if (show && !EditActive) {
    d_->edit->Cache = GetCellEx(RemapCol(GetCol()), GetRow());
    d_->edit->Editor = edNormal;
    GetCellEditor(base.x, base.y, d_->edit->Editor);
    InitValidate(GetCol(), GetRow());
    EditActive = true;
    if (!IsInplaceEditorType(d_->edit->Editor)) {
      ShowEditControl(GetCol(), GetRow());
      return false;
    }
  }
  if (show) d_->edit->Shown = true;
  return show;
}

TEditorType TExtStringGrid::GetEditorType() const { return d_->edit->Editor; }

bool TExtStringGrid::TakeCaretClick() { return std::exchange(d_->edit->CaretClickPending, false); }

bool TExtStringGrid::EditorValueUntouched(const AnsiString& Text) const {
  return Text == d_->edit->Opened;
}

void TExtStringGrid::KeepRefusedEdit() { d_->edit->LeaveRefused = true; }

void TExtStringGrid::ShowInplaceEdit() {
  const TPoint base = BaseCell(RemapCol(GetCol()), GetRow());
  if (!HasStaticEdit(base.x, base.y)) ShowEditor();
}

void TExtStringGrid::HideInplaceEdit() {
  if (!EditActive) return;
  HideEditor();
  HideEditControl(GetCol(), GetRow());
  EditActive = false;
  SelectCell(GetCol(), GetRow());
}

void TExtStringGrid::ShowCellEdit() { PostMessage(GetHandle(), WM_KEYDOWN, VK_F2, 0); }

void TExtStringGrid::RestoreCache() {
  SetCellEx(RemapCol(GetCol()), GetRow(), d_->edit->Cache);
  SetCellEx(RemapCol(GetCol()), GetRow(), GetCellEx(RemapCol(GetCol()), GetRow()));
}

void TExtStringGrid::DoneInplaceEdit(WORD Key, TShiftState Shift) {
  // Every key but Escape leaves with a value the validation took; a refused one stays open.
  if (Key != VK_ESCAPE && !ControlValueAccepted()) return;
  HideInplaceEdit();
  // An accepted validation has closed the edit already; its control still shows.
  if (d_->editors->Shown || d_->editors->LinkOpen) HideEditControl(GetCol(), GetRow());
  if (Key == VK_TAB || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) {
    WORD key = Key;
    KeyDown(key, Shift);
  }
  const bool alwaysEdit = Navigation.AlwaysEdit;
  Navigation.AlwaysEdit = false;
  if (CanFocus()) SetFocus();
  if (Key == VK_RETURN) AdvanceEdit(GetCol(), GetRow(), true, true, false);
  Navigation.AlwaysEdit = alwaysEdit;
}

AnsiString TExtStringGrid::EllipsClick(const AnsiString& S) {
  AnsiString text = S;
  if (OnEllipsClick) OnEllipsClick(this, RemapCol(GetCol()), GetRow(), text);
  return text;
}

bool TExtStringGrid::IsPassword(int ACol, int ARow) {
  bool password = false;
  GetCellPassword(ACol, ARow, password);
  return password;
}

bool TExtStringGrid::IsEditable(int ACol, int ARow) {
  if (!GetOptions().Contains(goEditing) && !d_->edit->Parked) return false;
  bool canEdit = true;
  GetCellReadOnly(ACol, ARow, canEdit);
  bool fixed = false;
  GetCellFixed(ACol, ARow, fixed);
  return canEdit && !fixed;
}
