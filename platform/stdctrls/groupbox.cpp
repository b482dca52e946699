#include "platform/stdctrls/groupbox.h"

#include <QFontMetrics>
#include <QGroupBox>

#include "platform/core/qt/qt_text.h"

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner, new QGroupBox) {
  SetBounds(0, 0, 185, 105);
  SetParentColor(true);
}

void TGroupBox::TextChanged() {
  static_cast<QGroupBox*>(Widget())->setTitle(ToQString(GetCaption()));
}

// Below the caption's line and inside the two-pixel frame.
void TGroupBox::AlignArea(int& left, int& top, int& width, int& height) const {
  int caption = QFontMetrics(Widget()->font()).height();
  left = 2;
  top = caption + 2;
  width = GetClientWidth() - 4;
  height = GetClientHeight() - caption - 4;
}
