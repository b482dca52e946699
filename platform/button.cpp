#include "platform/button.h"

#include <QPushButton>

#include "platform/application.h"
#include "platform/forms.h"
#include "platform/qt_text.h"

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner, new QPushButton) {
  auto* button = static_cast<QPushButton*>(Widget());
  QObject::connect(button, &QPushButton::clicked, button,
                   [this] { Application->HandleEvent([this] { Click(); }); });
  SetBounds(0, 0, 75, 25);
}

void TButton::Click() {
  if (TForm* form = GetParentForm(this)) form->ModalResult = ModalResult;
  TWinControl::Click();
}

// "&" marks the accelerator in both worlds.
void TButton::TextChanged() {
  static_cast<QPushButton*>(Widget())->setText(ToQString(GetCaption()));
}
