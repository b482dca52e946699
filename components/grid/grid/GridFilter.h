// The grid's filter: one condition per column (in the text utilities' condition language),
// which rows must match to stay shown.
#pragma once

#include <cstdint>

#include "components/grid/html/GridCollection.h"
#include "platform/core/text.h"

struct TFilterData {
  int16_t Column = 0;
  AnsiString Condition;
  bool CaseSensitive = true;
};

class TFilter : public TGridCollection<TFilterData> {
 public:
  // The first item of the column, or a new one for it.
  TFilterData* GetColFilter(int ACol) {
    for (int i = 0; i < Count(); ++i)
      if (Items(i)->Column == ACol) return Items(i);
    TFilterData* item = Add();
    item->Column = static_cast<int16_t>(ACol);
    return item;
  }
};
