// The flat combo box of the grid's combo editor: a plain surface with a thin drop-down button
// that shows a border (raised, or sunken with FocusBorder) only while the mouse is over it or
// it has the focus.
#pragma once

#include <memory>

#include "platform/stdctrls/combobox.h"

class TCanvas;
class TPaintOver;

class TESGCustomCombo : public TComboBox {
 public:
  explicit TESGCustomCombo(TComponent* AOwner);
  ~TESGCustomCombo() override;

  int GetButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int value);  // 14 to 32; others are ignored
  bool GetFlat() const { return flat_; }
  void SetFlat(bool value);
  bool GetEtched() const { return etched_; }
  void SetEtched(bool value);
  bool FocusBorder = false;
  int GetDropWidth() const { return GetDropDownWidth(); }
  void SetDropWidth(int value) { SetDropDownWidth(value); }
  // Takes the focus when the mouse comes over it.
  bool AutoFocus = false;
  // The drop-down button in the look of the desktop's theme.
  bool IsWinXP = false;

  bool GetMouseInControl() const { return mouseInControl_; }

 protected:
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;

 private:
  void Paint(TCanvas* Canvas);
  void DrawButton(TCanvas* Canvas);
  void DrawControlBorder(TCanvas* Canvas);
  void DrawButtonBorder(TCanvas* Canvas);
  // The borders show raised while the mouse is over the control or it has the focus.
  bool Highlighted() const { return mouseInControl_ || Focused(); }
  void RedrawBorders();

  std::unique_ptr<TPaintOver> painter_;
  int buttonWidth_;
  bool flat_ = true;
  bool etched_ = false;
  bool mouseInControl_ = false;
  TColor savedColor_ = clWindow;
  bool savedParentColor_ = false;
};

class TESGComboBox : public TESGCustomCombo {
 public:
  using TESGCustomCombo::TESGCustomCombo;
};
