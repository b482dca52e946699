// Where control fonts and colours meet Qt widgets. Private to platform/.
#pragma once

#include <QFont>
#include <QPalette>

#include "platform/graphics/font.h"

class QWidget;

// The font as the canvas draws it, at the control's 96 pixels per inch.
QFont ToQFont(const TFont& font);
// Sets a colour of the widget's palette while it is enabled; a disabled widget keeps Qt's.
void SetWidgetColor(QWidget* widget, QPalette::ColorRole role, TColor color);
