// TEditLink: a custom editor's edit, from the grid's start to the end by a key or by leaving.
#include "components/grid/grid/editing/EditLink.h"

#include "components/grid/grid/ExtGrid.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/grids/inplace_edit.h"

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
  if (popup_) {
    popup_->OnDeactivate = nullptr;
    delete popup_;
  }
}

namespace {

bool EndsLinkEdit(WORD Key) {
  switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_END:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TEditLink::EditKeyDown(TObject*, WORD& Key, TShiftState Shift) {
  if (!Grid || !EndsLinkEdit(Key)) return;
  const bool wanted = ((Key == VK_LEFT || Key == VK_RIGHT) && WantKeyLeftRight) ||
                      ((Key == VK_UP || Key == VK_DOWN) && WantKeyUpDown) ||
                      (Key == VK_END && WantKeyHomeEnd) ||
                      ((Key == VK_PRIOR || Key == VK_NEXT) && WantKeyPriorNext) ||
                      (Key == VK_RETURN && WantKeyReturn) || (Key == VK_ESCAPE && WantKeyEscape);
  if (wanted) return;
  // The control's exit while the grid takes the focus must not write its value over this.
  busy_ = true;
  if (Key == VK_ESCAPE)
    Grid->RestoreCache();
  else
    SetCellValue(GetEditorValue());
  const bool passed = Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN;
  Grid->DoneInplaceEdit(passed ? Key : 0, Shift);
  busy_ = false;
  if (Key == VK_RETURN) Key = 0;
}

void TEditLink::SetFocus(bool Value) {
  if (Value) {
    if (TWinControl* control = GetEditControl(); control && control->CanFocus()) control->SetFocus();
  } else if (Grid && Grid->CanFocus()) {
    Grid->SetFocus();
  }
}

void TEditLink::SetRect(TRect R) {
  TWinControl* control = GetEditControl();
  if (!control || !Grid) return;
  const int line = Grid->GetGridLineWidth();
  control->SetBounds(R.Left, R.Top, R.Width() - line, R.Height() - line);
}

void TEditLink::SetVisible(bool Value) {
  if (TWinControl* control = GetEditControl()) control->SetVisible(Value);
}

void TEditLink::EditExit(TObject*) {
  if (busy_ || !Grid) return;
  busy_ = true;
  HideEditor();
  busy_ = false;
  ReleasePopup();
}

void TEditLink::FormExit(TObject* Sender) {
  // The grid's own edit, when it has one, follows the pop-up's value.
  if (TInplaceEdit* edit = Grid ? Grid->GetInplaceEditor() : nullptr)
    edit->SetText(GetEditorValue());
  if (busy_)
    SetCellValue(GetEditorValue());
  else
    EditExit(Sender);
}

void TEditLink::HideEditor() {
  SetCellValue(GetEditorValue());
  Grid->HideInplaceEdit();
  // The control's window closes with the edit.
  if (TWinControl* control = GetEditControl()) control->SetVisible(false);
}

// The edited cell, even when the current cell has moved on before the control's exit.
AnsiString TEditLink::GetCellValue() {
  return Grid && editRow_ >= 0 ? Grid->GetCellEx(editCol_, editRow_) : "";
}

void TEditLink::SetCellValue(const AnsiString& S) {
  if (Grid && editRow_ >= 0) Grid->SetCellEx(editCol_, editRow_, S);
}

TWinControl* TEditLink::GetParent() {
  if (EditStyle == esPopup && popup_) return popup_;
  return Grid;
}

void TEditLink::Open(TExtStringGrid* AGrid, int ACol, int ARow, TColor AColor, TFont* AFont,
                     const AnsiString& Text, char StartKey) {
  Grid = AGrid;
  editCol_ = AGrid->RemapCol(ACol);
  editRow_ = ARow;
  const TRect cell = AGrid->CellRect(ACol, ARow);
  if (EditStyle == esPopup) {
    if (AutoPopupWidth) PopupWidth = cell.Width();
    MakePopup(cell);
    CreateEditor(popup_);
    SetRect({0, 0, PopupWidth, PopupHeight});
  } else {
    CreateEditor(AGrid);
    SetRect(cell);
  }
  SetVisible(true);
  SetCellProps(AColor, AFont);
  SetProperties();
  if (AGrid->OnGetEditorProp) AGrid->OnGetEditorProp(AGrid, editCol_, ARow, this);
  SetEditorValue(Text);
  SetFocus(true);
  if (TWinControl* control = GetEditControl(); control && StartKey)
    PostMessage(control, WM_CHAR, static_cast<unsigned char>(StartKey), 0);
}

void TEditLink::Close() {
  if (EditStyle == esPopup && popup_) {
    if (!busy_) SetCellValue(GetEditorValue());
    ReleasePopup();
  } else {
    SetVisible(false);
  }
}

void TEditLink::MakePopup(const TRect& Cell) {
  ReleasePopup();
  popup_ = new TForm(Application);
  popup_->SetBorderStyle(bsNone);
  const TPoint at = Grid->ClientToScreen({Cell.Left, Cell.Bottom});
  popup_->SetBounds(at.x, at.y, PopupWidth, PopupHeight);
  popup_->OnDeactivate = [this](TObject* Sender) { FormExit(Sender); };
  popup_->Show();
}

void TEditLink::ReleasePopup() {
  if (!popup_) return;
  TForm* popup = popup_;
  popup_ = nullptr;
  // Hiding deactivates the form; the edit has ended already.
  popup->OnDeactivate = nullptr;
  DestroyEditor();
  popup->SetVisible(false);
  popup->Release();
}
