// Where colours meet Qt. Private to platform/.
#pragma once

#include <QColor>

#include "platform/graphics/color.h"

// clNone becomes a fully transparent colour, clDefault the window text colour.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
