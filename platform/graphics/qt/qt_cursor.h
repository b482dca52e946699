// Where cursors meet Qt. Private to platform/.
#pragma once

#include <Qt>

#include "platform/graphics/cursor.h"

Qt::CursorShape ToCursorShape(TCursor cursor);
