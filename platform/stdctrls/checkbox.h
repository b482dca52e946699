// Check boxes and radio buttons. Checked reads the box itself. A check box fires OnClick
// whenever its state changes, by the user or by the program; a radio button when it becomes
// checked, which unchecks the radio buttons beside it (those of the same parent).
#pragma once

#include "platform/controls/wincontrol.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// What check boxes and radio buttons share: the caption beside the box, "&" for the accelerator.
class TButtonControl : public TWinControl {
 public:
  virtual bool GetChecked() const;
  virtual void SetChecked(bool value) = 0;

 protected:
  TButtonControl(TComponent* AOwner, QWidget* widget);
  void TextChanged() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  // The user changed the box.
  virtual void Toggled() = 0;
};

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* AOwner);

  void SetChecked(bool value) override { SetState(value ? cbChecked : cbUnchecked); }
  TCheckBoxState GetState() const;
  void SetState(TCheckBoxState value);
  // Whether a click passes through the grayed state.
  bool GetAllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value);

 protected:
  void Toggled() override;

 private:
  bool allowGrayed_ = false;
};

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* AOwner);

  void SetChecked(bool value) override;

 protected:
  void Toggled() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
};
