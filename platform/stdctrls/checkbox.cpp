#include "platform/stdctrls/checkbox.h"

#include <QCheckBox>
#include <QRadioButton>

#include "platform/controls/application.h"
#include "platform/core/qt/qt_text.h"

namespace {
QAbstractButton* Box(QWidget* widget) { return static_cast<QAbstractButton*>(widget); }

// The whole control takes the click, as the Windows box does, not only its mark and text.
template <class Button>
class WholeButton : public Button {
 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};
}  // namespace

TButtonControl::TButtonControl(TComponent* AOwner, QWidget* widget) : TWinControl(AOwner, widget) {
  ControlStyle = {csCaptureMouse};  // its click comes from the box itself
  SetTabStop(true);
  SetParentColor(true);
}

bool TButtonControl::GetChecked() const { return Box(Widget())->isChecked(); }

void TButtonControl::TextChanged() { Box(Widget())->setText(ToQString(GetCaption())); }

void TButtonControl::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_BUTTON; }

// ---- TCheckBox ----

namespace {
QCheckBox* Check(QWidget* widget) { return static_cast<QCheckBox*>(widget); }

TCheckBoxState FromQt(Qt::CheckState state) {
  return state == Qt::Checked ? cbChecked : state == Qt::PartiallyChecked ? cbGrayed : cbUnchecked;
}

Qt::CheckState ToQt(TCheckBoxState state) {
  return state == cbChecked ? Qt::Checked : state == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked;
}
}  // namespace

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner, new WholeButton<QCheckBox>) {
  QObject::connect(Box(Widget()), &QAbstractButton::clicked, Widget(),
                   [this] { Application->HandleEvent([this] { Toggled(); }); });
  SetBounds(0, 0, 97, 17);
}

TCheckBoxState TCheckBox::GetState() const { return FromQt(Check(Widget())->checkState()); }

void TCheckBox::SetState(TCheckBoxState value) {
  if (value == GetState()) return;
  {
    QSignalBlocker block(Widget());
    if (value == cbGrayed) Check(Widget())->setTristate(true);
    Check(Widget())->setCheckState(ToQt(value));
  }
  Click();
}

void TCheckBox::SetAllowGrayed(bool value) {
  allowGrayed_ = value;
  Check(Widget())->setTristate(value);
}

// Qt has changed the state already; a box that showed gray without AllowGrayed goes on to
// checked, as the Windows box does.
void TCheckBox::Toggled() {
  if (!allowGrayed_ && GetState() == cbGrayed) {
    QSignalBlocker block(Widget());
    Check(Widget())->setCheckState(Qt::Checked);
  }
  if (!allowGrayed_) Check(Widget())->setTristate(false);
  Click();
}

// ---- TRadioButton ----

// Only a button that becomes checked by the user clicks; one clicked while checked does not.
TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner, new WholeButton<QRadioButton>) {
  QObject::connect(Box(Widget()), &QAbstractButton::toggled, Widget(), [this](bool on) {
    if (on) Application->HandleEvent([this] { Toggled(); });
  });
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool value) {
  if (value == GetChecked()) return;
  QAbstractButton* box = Box(Widget());
  {
    // Qt keeps one button of a group checked; Windows lets the program uncheck it.
    QSignalBlocker block(box);
    box->setAutoExclusive(value);
    box->setChecked(value);
    box->setAutoExclusive(true);
  }
  if (value) Click();
}

void TRadioButton::Toggled() { Click(); }

void TRadioButton::WMGetDlgCode(TWMGetDlgCode& Message) {
  Message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON;
}
