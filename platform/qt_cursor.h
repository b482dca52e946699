// Where cursors meet Qt. Private to platform/.
#pragma once

#include <Qt>

#include "platform/cursor.h"

Qt::CursorShape ToCursorShape(TCursor cursor);
