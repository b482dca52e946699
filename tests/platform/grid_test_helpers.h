// What the grid tests share: grid coordinates and rectangles printed when an expectation
// fails, and the message a grid operation raises.
#pragma once

#include <functional>
#include <ostream>

#include "platform/graphics/geometry.h"
#include "platform/grids/grid_error.h"
#include "platform/grids/grid_types.h"

inline void PrintTo(const TGridCoord& c, std::ostream* os) {
  *os << "(" << c.X << ", " << c.Y << ")";
}
inline void PrintTo(const TGridRect& r, std::ostream* os) {
  *os << "cells (" << r.Left << ", " << r.Top << ")-(" << r.Right << ", " << r.Bottom << ")";
}

// The message of the EInvalidGridOperation the action raises; "" when it raises none.
inline AnsiString RaisedMessage(const std::function<void()>& action) {
  try {
    action();
  } catch (const EInvalidGridOperation& e) {
    return e.Message;
  }
  return "";
}
