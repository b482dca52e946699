#include "platform/graphics/qt/qt_font.h"

#include <QWidget>
#include <cstdlib>

#include "platform/graphics/qt/qt_canvas.h"
#include "platform/graphics/qt/qt_color.h"

QFont ToQFont(const TFont& font) { return ToQFont(font.ToLogFont(), std::abs(font.GetHeight())); }

void SetWidgetColor(QWidget* widget, QPalette::ColorRole role, TColor color) {
  QPalette palette = widget->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    palette.setColor(group, role, ToQColor(color));
  widget->setPalette(palette);
}
