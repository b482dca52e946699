// The controls the grid shows over a cell for the editor types that are no inplace text edit.
// Each knows its grid (the owner it is made with): leaving it ends the edit, and the keys that
// end an edit go back to the grid.
#pragma once

#include "components/grid/EsgCombo.h"
#include "components/grid/EsgEditBtn.h"
#include "components/grid/EsgSpinEdit.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/checkbox.h"

class TExtStringGrid;

class TGridSpin : public TEsgSpinEdit {
 public:
  explicit TGridSpin(TComponent* AOwner);
  // The arrows step, then tell the grid's spin event of the spin type.
  void UpClick(TObject* Sender) override;
  void DownClick(TObject* Sender) override;

 protected:
  void DoExit() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

 private:
  // Page Up, Page Down, Home and End move a number within its bounds.
  void StepKey(WORD Key);
  void SpinClicked(bool Up);
  TExtStringGrid* grid_;
};

class TGridCombo : public TESGComboBox {
 public:
  explicit TGridCombo(TComponent* AOwner);
  // One item on for a downward turn, one back for an upward one, within the list.
  void Wheel(bool Down);

 protected:
  void DoExit() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

 private:
  TExtStringGrid* grid_;
};

class TGridEditBtn : public TEsgEditBtn {
 public:
  explicit TGridEditBtn(TComponent* AOwner);

 protected:
  void DoExit() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void WMChar(TWMChar& Message) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

 private:
  void ButtonClicked();
  TExtStringGrid* grid_;
};

class TGridUnitEditBtn : public TEsgUnitEditBtn {
 public:
  explicit TGridUnitEditBtn(TComponent* AOwner);

 protected:
  void DoExit() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void WMChar(TWMChar& Message) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

 private:
  TExtStringGrid* grid_;
};

class TGridCheckBox : public TCheckBox {
 public:
  explicit TGridCheckBox(TComponent* AOwner);

 protected:
  void DoExit() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

 private:
  TExtStringGrid* grid_;
};

class TGridButton : public TButton {
 public:
  explicit TGridButton(TComponent* AOwner);

 protected:
  void DoExit() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void Ellips();
  // Hidden and disabled, with the focus back on the grid.
  void Leave();
  TExtStringGrid* grid_;
};
