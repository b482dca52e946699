#include "platform/grids/inplace_edit.h"

#include <QLineEdit>

#include "platform/grids/grid.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  SetTabStop(false);
  SetVisible(false);
  if (auto* line = qobject_cast<QLineEdit*>(Widget())) line->setFrame(false);
}

TInplaceEdit::~TInplaceEdit() {
  if (grid_ && grid_->inplaceEdit_ == this) grid_->inplaceEdit_ = nullptr;
}

void TInplaceEdit::UpdateContents() {
  loading_ = true;
  int col = grid_->GetCol(), row = grid_->GetRow();
  const AnsiString mask = grid_->GetEditMask(col, row);
  if (mask != GetEditMask()) SetEditMask(mask);
  SetMaxLength(grid_->GetEditLimit());
  original_ = grid_->GetEditText(col, row);
  SetText(original_);
  SelectAll();
  loading_ = false;
}

void TInplaceEdit::Move(const TRect& cell) {
  if (cell.Width() <= 0 || cell.Height() <= 0) {
    Hide();
    return;
  }
  SetBounds(cell.Left, cell.Top, cell.Width(), cell.Height());
  Show();
  BoundsChanged();
}

void TInplaceEdit::Revert() {
  SetText(original_);
  SelectAll();
}

void TInplaceEdit::Deselect() { SetSelStart(static_cast<int>(GetEditText().size())); }

void TInplaceEdit::TypeChar(char c) {
  TWMChar message{WM_CHAR, static_cast<WORD>(static_cast<unsigned char>(c)), 0, 0};
  WMChar(message);
}

void TInplaceEdit::Change() {
  TCustomMaskEdit::Change();
  if (!loading_ && grid_) grid_->UpdateText();
}

// Keys that move between cells go to the grid; the grid's OnKeyDown sees the others too.
void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  bool toGrid = false;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: toGrid = true; break;
    case VK_TAB: toGrid = !Shift.Contains(ssAlt); break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END: toGrid = Shift.Contains(ssCtrl); break;
    default: break;
  }
  if (grid_ && toGrid) {
    grid_->KeyDown(Key, Shift);
    Key = 0;
    return;
  }
  if (grid_ && grid_->OnKeyDown) grid_->OnKeyDown(grid_, Key, Shift);
  if (Key) TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char& Key) {
  if (grid_) grid_->KeyPress(Key);
  if (Key == '\r' || Key == '\t' || Key == '\x1B') Key = 0;
  if (Key) TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  if (grid_ && grid_->OnKeyUp) grid_->OnKeyUp(grid_, Key, Shift);
  if (Key) TCustomMaskEdit::KeyUp(Key, Shift);
}

void TInplaceEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomMaskEdit::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS | DLGC_WANTALLKEYS;
  if (grid_ && grid_->GetOptions().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

// Leaving for another control than the grid ends the edit.
void TInplaceEdit::DoExit() {
  TCustomMaskEdit::DoExit();
  if (grid_ && !grid_->Focused() && !grid_->GetOptions().Contains(goAlwaysShowEditor))
    grid_->HideEditor();
}
