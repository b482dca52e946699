// The controls the grid shows over a cell for the editor types that are no inplace text edit.
// Each knows its grid (the owner it is made with): leaving it ends the edit, and the keys that
// end an edit go back to the grid.
#pragma once

#include "components/grid/controls/EsgCombo.h"
#include "components/grid/controls/EsgEditBtn.h"
#include "components/grid/controls/EsgSpinEdit.h"
#include "components/grid/grid/editing/GridEditorEnding.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/checkbox.h"
#include "platform/stdctrls/datetimepicker.h"
#include "platform/stdctrls/richedit.h"

class TExtStringGrid;

// A control made for its grid: leaving it ends the edit; with WantsTab it keeps Tab while the
// grid takes Tab.
template <typename Base, bool WantsTab>
class TGridEditorControl : public Base {
 public:
  explicit TGridEditorControl(TComponent* AOwner) : Base(AOwner), grid_(EditorGrid(AOwner)) {}

 protected:
  void DoExit() override {
    EditorLeft(grid_);
    Base::DoExit();
  }
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override {
    if (WantsTab) WantTabWithGrid(grid_, Message);
    else Base::CMWantSpecialKey(Message);
  }

  TExtStringGrid* const grid_;
};

class TGridSpin : public TGridEditorControl<TEsgSpinEdit, true> {
 public:
  explicit TGridSpin(TComponent* AOwner);
  // The arrows step, then tell the grid's spin event of the spin type.
  void UpClick(TObject* Sender) override;
  void DownClick(TObject* Sender) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;

 private:
  // Page Up, Page Down, Home and End move a number within its bounds.
  void StepKey(WORD Key);
  void SpinClicked(bool Up);
};

class TGridCombo : public TGridEditorControl<TESGComboBox, true> {
 public:
  explicit TGridCombo(TComponent* AOwner);
  // One item on for a downward turn, one back for an upward one, within the list.
  void Wheel(bool Down);
  // The open list at least as wide as its widest item in the grid's font.
  void SizeDropDownWidth();

 protected:
  // A press that opened the edit puts the caret under the mouse.
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

 private:
  // With the grid's Lookup, the text before the caret is completed from the first item that
  // begins with it; the added rest is selected.
  void Complete();
  bool completionArmed_ = true;  // off after Backspace or Delete
  int completed_ = -1;
};

class TGridEditBtn : public TGridEditorControl<TEsgEditBtn, true> {
 public:
  explicit TGridEditBtn(TComponent* AOwner);

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void WMChar(TWMChar& Message) override;

 private:
  void ButtonClicked();
};

class TGridUnitEditBtn : public TGridEditorControl<TEsgUnitEditBtn, true> {
 public:
  explicit TGridUnitEditBtn(TComponent* AOwner);

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void WMChar(TWMChar& Message) override;
};

class TGridCheckBox : public TGridEditorControl<TCheckBox, false> {
 public:
  explicit TGridCheckBox(TComponent* AOwner);

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
};

class TGridDatePicker : public TGridEditorControl<TDateTimePicker, false> {
 public:
  explicit TGridDatePicker(TComponent* AOwner);

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
};

class TGridButton : public TGridEditorControl<TButton, false> {
 public:
  explicit TGridButton(TComponent* AOwner);

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void Ellips();
  // Hidden and disabled, with the focus back on the grid.
  void Leave();
};

// The editor of rich text cells. Its lines are the cell's paragraphs: Return starts one, and
// Up and Down leave the edit unless the grid shows several lines in a cell. Escape ends the
// edit with the cell as it was.
class TExtRichEdit : public TGridEditorControl<TRichEdit, true> {
 public:
  explicit TExtRichEdit(TComponent* AOwner);
  // While locked (the grid filling it), a text that needs more room grows nothing.
  void Lock() { locked_ = true; }
  void Unlock() { locked_ = false; }
  bool IsLocked() const { return locked_; }

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void SelectionChange() override;
  // With SizeWhileTyping.Height, the editor and its row grow to the text while the grid has
  // room.
  void RequestSize(const TRect& Rect) override;

 private:
  bool locked_ = false;
};
