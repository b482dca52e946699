// TGridCheckBox, TGridDatePicker and TGridButton: the check box, date and push-button editors.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditorEnding.h"

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TGridEditorControl(AOwner) {}

void TGridCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  const bool ends = Key == VK_RETURN || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END ||
                    Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN;
  if (!ends) {
    TCheckBox::KeyDown(Key, Shift);
    return;
  }
  // Return advances and Up and Down move on; the other ending keys only end the edit.
  const bool passed = Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN;
  grid_->DoneInplaceEdit(passed ? Key : 0, Shift);
  Key = 0;
}

// The arrows end the edit rather than move the focus.
void TGridCheckBox::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCheckBox::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS;
}

// The cell shows no sunken border around the field.
TGridDatePicker::TGridDatePicker(TComponent* AOwner) : TGridEditorControl(AOwner) {
  SetBorderStyle(bsNone);
}

void TGridDatePicker::KeyDown(WORD& Key, TShiftState Shift) {
  const bool ends = Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
                    Key == VK_END;
  // The open calendar keeps its keys.
  if (!ends || GetDroppedDown()) {
    TDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    try {
      const int col = grid_->GetRealCol();
      SetDateTime(GetKind() == dtkTime ? grid_->GetTimes(col, grid_->GetRow())
                                       : grid_->GetDates(col, grid_->GetRow()));
    } catch (const EConvertError&) {
      // A cell that holds no date keeps its text: the edit writes back only a changed value.
    }
  }
  grid_->DoneInplaceEdit(Key, Shift);
  Key = 0;
}

TGridButton::TGridButton(TComponent* AOwner) : TGridEditorControl(AOwner) {}

void TGridButton::Ellips() { SetCaption(grid_->EllipsClick(GetCaption())); }

void TGridButton::Leave() {
  SetVisible(false);
  SetEnabled(false);
  if (grid_->CanFocus()) grid_->SetFocus();
}

void TGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) Ellips();
  TButton::MouseUp(Button, Shift, X, Y);
}

void TGridButton::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key != VK_ESCAPE) {
    TButton::KeyDown(Key, Shift);
    return;
  }
  // The caption is no value of the cell: the cell gets its text from before the edit.
  Leave();
  grid_->HideInplaceEdit();
  grid_->RestoreCache();
  PostMessage(grid_, WM_KEYDOWN, VK_ESCAPE, 0);
  Key = 0;
}

void TGridButton::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    Ellips();
    Invalidate();
    Key = 0;
  } else if (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) {
    // The grid takes the whole key once the edit has closed: it moves once, as by its own key.
    PostMessage(grid_, WM_KEYDOWN, Key, 0);
    Leave();
    grid_->HideInplaceEdit();
    PostMessage(grid_, WM_KEYUP, Key, 0);
    Key = 0;
    return;
  }
  TButton::KeyUp(Key, Shift);
}
