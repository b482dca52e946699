#include "platform/stdctrls/statusbar.h"

#include <QLabel>
#include <QStatusBar>

#include "platform/core/qt/qt_text.h"

namespace {
QLabel* Text(QWidget* widget) { return widget->findChild<QLabel*>(); }
}  // namespace

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner, new QStatusBar) {
  auto* bar = static_cast<QStatusBar*>(Widget());
  auto* text = new QLabel;
  text->setTextFormat(Qt::PlainText);
  bar->addWidget(text, 1);
  SetBounds(0, 0, 0, 19);
  SetAlign(alBottom);
}

void TStatusBar::SetSimplePanel(bool value) {
  simplePanel_ = value;
  UpdateText();
}

void TStatusBar::SetSimpleText(const AnsiString& value) {
  simpleText_ = value;
  UpdateText();
}

void TStatusBar::UpdateText() {
  Text(Widget())->setText(simplePanel_ ? ToQString(simpleText_) : QString());
}
