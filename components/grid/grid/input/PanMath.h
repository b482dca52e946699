// The arithmetic of wheel panning: which way the mouse asks to move, and the cursor that
// shows it.
#pragma once

#include "components/grid/core/ExtGridTypes.h"
#include "platform/graphics/geometry.h"

// Which way wheel panning moves (-1, 0, 1 per axis) with the mouse at Mouse and the press at
// Origin; the dead zone is 5 pixels each way.
constexpr int kPanDeadZone = 5;
TPoint PanDirection(TPoint Mouse, TPoint Origin, TIntelliPan Pan);
// The cursor resource of a panning direction: 8000 none, 8001 down, 8002 left, 8003 right,
// 8004 up, 8005 up-right, 8006 up-left, 8007 down-right, 8008 down-left.
int PanCursor(TPoint Direction);
