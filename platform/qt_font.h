// Where control fonts meet Qt. Private to platform/.
#pragma once

#include <QFont>

#include "platform/control_font.h"

// The Windows dialog faces become the system's sans-serif font; sizes are kept in pixels so
// that the designed layouts fit whatever the screen's resolution.
QFont ToQFont(const ControlFont& font);
