// The inplace editing of TCustomGrid: the editor opens over the current cell when editing is
// allowed and the grid is active, hands each change of its text to SetEditText, and closes
// when the current cell moves (unless it always shows) or the focus leaves the grid.
#include <utility>

#include "platform/controls/forms.h"
#include "platform/grids/grid.h"
#include "platform/grids/inplace_edit.h"

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

AnsiString TCustomGrid::GetEditText(int, int) { return ""; }
void TCustomGrid::SetEditText(int, int, const AnsiString&) {}
AnsiString TCustomGrid::GetEditMask(int, int) { return ""; }

bool TCustomGrid::EditorFocused() const { return inplaceEdit_ && inplaceEdit_->Focused(); }

bool TCustomGrid::CanEditShow() {
  TGridOptions options = GetOptions();
  if (!options.Contains(goEditing) || options.Contains(goRowSelect) || !editorMode_) return false;
  if (GetCol() < GetFixedCols() || GetRow() < GetFixedRows()) return false;
  if (!shape_.IsCell(GetCol(), GetRow())) return false;
  TForm* form = GetParentForm(this);
  bool active = Focused() || EditorFocused() || (form && form->GetActiveControl() == this);
  return options.Contains(goAlwaysShowEditor) || active;
}

void TCustomGrid::SetEditorMode(bool value) {
  if (!value) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (inplaceEdit_) inplaceEdit_->Deselect();
}

void TCustomGrid::ShowEditor() {
  editorMode_ = true;
  UpdateEdit();
}

void TCustomGrid::HideEditor() {
  editorMode_ = false;
  HideEdit();
}

void TCustomGrid::ShowEditorChar(char Ch) {
  ShowEditor();
  if (!inplaceEdit_ || !inplaceEdit_->GetVisible()) return;
  inplaceEdit_->SelectAll();
  inplaceEdit_->TypeChar(Ch);
}

// An editor open over the current cell loads it again where it is: asking CanEditShow anew
// could refuse in the middle of an edit (a validation writing the cell) and leave it shown
// over no cell.
void TCustomGrid::InvalidateEditor() {
  if (inplaceEdit_ && editCell_ == shape_.Current()) {
    inplaceEdit_->UpdateContents();
    PlaceEditor();
    return;
  }
  editCell_ = {-1, -1};
  UpdateEdit();
}

void TCustomGrid::UpdateText() {
  if (inplaceEdit_ && editCell_.X >= 0 && editCell_.Y >= 0)
    SetEditText(editCell_.X, editCell_.Y, inplaceEdit_->GetText());
}

// A cell of the other kind swaps in the spare editor; none is freed, as an editor may be the
// one whose key ended the edit before.
void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  if (inplaceEdit_ && inplaceEdit_->MultiLine() != MultiLineEditor()) {
    HideEdit();
    std::swap(inplaceEdit_, spareEdit_);
  }
  if (!inplaceEdit_) {
    inplaceEdit_ = CreateEditor();
    inplaceEdit_->grid_ = this;
    inplaceEdit_->SetParent(this);
  }
  if (editCell_ != shape_.Current()) {
    HideEdit();
    editCell_ = shape_.Current();
    inplaceEdit_->UpdateContents();
  }
  PlaceEditor();
  if (inplaceEdit_->GetVisible() && Focused()) inplaceEdit_->SetFocus();
}

void TCustomGrid::HideEdit() {
  if (!inplaceEdit_ || editCell_.X < 0) return;
  UpdateText();
  editCell_ = {-1, -1};
  bool hadFocus = EditorFocused();
  inplaceEdit_->Hide();
  if (hadFocus && CanFocus()) SetFocus();
}

void TCustomGrid::PlaceEditor() {
  if (inplaceEdit_ && editCell_.X >= 0) inplaceEdit_->Move(CellRect(editCell_.X, editCell_.Y));
}

void TCustomGrid::DoExit() {
  TCustomControl::DoExit();
  if (!EditorFocused() && !GetOptions().Contains(goAlwaysShowEditor)) HideEditor();
}
