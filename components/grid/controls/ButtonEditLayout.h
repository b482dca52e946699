// The layout the edits with a button at their right edge share, counted as Windows counts it in
// the client area inside the edit's border.
#pragma once

#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"

struct TButtonEditLayout {
  int Width = 0;  // the edit's, border included
  int Height = 0;
  bool Border = true;

  int Frame() const { return Border ? 2 : 0; }
  int ClientWidth() const { return Width - 2 * Frame(); }
  int ClientHeight() const { return Height - 2 * Frame(); }
  // One pixel clear of the client area's right and bottom edges.
  TRect ButtonBounds(int ButtonWidth) const;
  // The text's rectangle: it ends Gap pixels before the button.
  TRect FormatRect(TRect Current, int ButtonWidth, int Gap) const;
};

// The height an edit's font needs: its character height plus a quarter of the smaller of its
// and the system font's, the room Windows gives a single-line edit.
int EditTextHeight(const TFont& Font);
