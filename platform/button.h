// A push button. A click hands the button's ModalResult to its form, which ends a modal
// showing when it is not mrNone, and then fires OnClick.
#pragma once

#include "platform/dialogs.h"
#include "platform/wincontrol.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);

  int ModalResult = mrNone;

  void Click() override;

 protected:
  void TextChanged() override;
};
