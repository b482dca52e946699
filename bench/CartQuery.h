// The shopping cart's query over a PartsTable, as the cart export runs it: supplier
// "Reichelt*" and to be ordered, sorted by the designation; a quarter of the parts.
#pragma once

#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"

inline void SetCartQuerySlots() {
  auto slot = [](int k, const char* text) {
    DbaseSetFixedText(dbase_abfragetext[k], kDbaseSlotSize, text);
  };
  slot(1, "Bezugsquel");
  slot(2, "=");
  slot(3, "Reichelt*");
  slot(4, "bestellen");
  slot(5, "=");
  slot(6, "ja");
  slot(25, "Bezeichnun");
}
