// The font of a control, as far as the windows set it so far: face name, size and bold.
// Size (points) and Height (pixels, negative for the character height) are two views of one
// value at the class library's 96 pixels per inch. A positive Height (the cell height) is
// taken as the character height too.
#pragma once

#include "platform/text.h"

struct ControlFont {
  AnsiString Name = "MS Sans Serif";
  int Size = 8;
  int Height = -11;
  bool Bold = false;

  void SetSize(int points);
  void SetHeight(int pixels);
  bool operator==(const ControlFont&) const = default;
};
