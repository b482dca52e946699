#include "platform/stdctrls/button.h"

#include <QPushButton>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/core/qt/qt_text.h"

namespace {
QPushButton* Push(QWidget* widget) { return static_cast<QPushButton*>(widget); }
}  // namespace

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner, new QPushButton) {
  ControlStyle = {csCaptureMouse};  // its click comes from the button itself
  SetTabStop(true);
  QObject::connect(Push(Widget()), &QPushButton::clicked, Push(Widget()),
                   [this] { Application->HandleEvent([this] { Click(); }); });
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value) {
  default_ = value;
  TForm* form = GetParentForm(this);
  ShowActive(form ? form->GetActiveControl() : nullptr);
}

void TButton::CMFocusChanged(TWinControl* Focused) { ShowActive(Focused); }

void TButton::WMSetFocus() {
  TWinControl::WMSetFocus();
  ShowActive(this);
}

void TButton::WMKillFocus() {
  TWinControl::WMKillFocus();
  ShowActive(nullptr);
}

void TButton::ShowActive(TWinControl* Focused) {
  Push(Widget())->setDefault(dynamic_cast<TButton*>(Focused) ? Focused == this : default_);
}

void TButton::Click() {
  if (TForm* form = GetParentForm(this)) form->ModalResult = ModalResult;
  TWinControl::Click();
}

// "&" marks the accelerator in both worlds.
void TButton::TextChanged() { Push(Widget())->setText(ToQString(GetCaption())); }

void TButton::WMGetDlgCode(TWMGetDlgCode& Message) {
  Message.Result = DLGC_BUTTON | (default_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// Enter goes to the focused button, or to the default one while no button has the focus.
bool TButton::CMDialogKey(WORD Key, TShiftState Shift) {
  TForm* form = GetParentForm(this);
  TWinControl* focused = form ? form->GetActiveControl() : nullptr;
  bool active = focused == this || (default_ && !dynamic_cast<TButton*>(focused));
  bool pressed = (Key == VK_RETURN && active) || (Key == VK_ESCAPE && Cancel);
  if (!pressed || !Shift.Empty() || !CanFocus()) return false;
  Click();
  return true;
}
