// How the tests print grid coordinates and rectangles when an expectation fails.
#pragma once

#include <ostream>

#include "platform/geometry.h"
#include "platform/grid_types.h"

inline void PrintTo(const TGridCoord& c, std::ostream* os) { *os << "(" << c.X << ", " << c.Y << ")"; }
inline void PrintTo(const TGridRect& r, std::ostream* os) {
  *os << "cells (" << r.Left << ", " << r.Top << ")-(" << r.Right << ", " << r.Bottom << ")";
}
