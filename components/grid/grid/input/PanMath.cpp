#include "components/grid/grid/input/PanMath.h"

namespace {
int AxisDirection(int mouse, int origin) {
  if (mouse < origin - kPanDeadZone) return -1;
  if (mouse > origin + kPanDeadZone) return 1;
  return 0;
}
}  // namespace

TPoint PanDirection(TPoint Mouse, TPoint Origin, TIntelliPan Pan) {
  TPoint direction(AxisDirection(Mouse.x, Origin.x), AxisDirection(Mouse.y, Origin.y));
  if (Pan == ipVertical) direction.x = 0;
  if (Pan == ipHorizontal) direction.y = 0;
  return direction;
}

int PanCursor(TPoint Direction) {
  // Indexed by vertical direction + 1, then horizontal direction + 1.
  static constexpr int kCursors[3][3] = {{8006, 8004, 8005}, {8002, 8000, 8003}, {8008, 8001, 8007}};
  return kCursors[Direction.y + 1][Direction.x + 1];
}
