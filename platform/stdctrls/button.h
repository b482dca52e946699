// A push button. A click hands the button's ModalResult to its form, which ends a modal
// showing when it is not mrNone, and then fires OnClick. Enter presses the focused button, else
// the default one, and the default frame shows which; Esc presses the cancel button; "&" marks
// the Alt accelerator.
#pragma once

#include "platform/controls/dialogs.h"
#include "platform/controls/wincontrol.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);

  int ModalResult = mrNone;
  bool GetDefault() const { return default_; }
  void SetDefault(bool value);
  bool Cancel = false;

  void Click() override;

 protected:
  void TextChanged() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  bool CMDialogKey(WORD Key, TShiftState Shift) override;
  void CMFocusChanged(TWinControl* Focused) override;
  // The focus coming back from another window, or going to none.
  void WMSetFocus() override;
  void WMKillFocus() override;

 private:
  // The default frame marks the button Return presses: the focused button, else the default.
  void ShowActive(TWinControl* Focused);

  bool default_ = false;
};
