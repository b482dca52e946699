// A row taken out of the grid by hiding, filtering or a closed node: its real row number and
// its cells' texts with their Objects pointers, which travel with it.
#pragma once

#include "platform/core/strings.h"

struct TGridItem {
  int Idx = 0;
  TStringList Items;
};
