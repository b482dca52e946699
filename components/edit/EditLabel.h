// Where an edit's attached label stands: beside it on the left (right edge or, for the *Left
// positions, left edge Margin pixels away), above or below it.
#pragma once

#include <cstdint>

#include "platform/graphics/geometry.h"

enum TLabelPosition : uint8_t {
  lpLeftTop,
  lpLeftCenter,
  lpLeftBottom,
  lpTopLeft,
  lpBottomLeft,
  lpLeftTopLeft,
  lpLeftCenterLeft,
  lpLeftBottomLeft,
  lpTopCenter,
  lpBottomCenter
};

// The label's top-left corner for an edit with the bounds Edit, a label of LabelWidth x
// LabelHeight pixels whose caption is TextWidth pixels wide, Margin pixels apart.
TPoint LabelPlace(TLabelPosition Position, const TRect& Edit, int LabelWidth, int LabelHeight,
                  int TextWidth, int Margin);
