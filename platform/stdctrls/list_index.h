// The index check of the lists that controls keep (memo lines, combo entries), with the
// message string lists raise.
#pragma once

#include "platform/core/strings.h"

inline void CheckListIndex(int index, int limit) {
  if (index < 0 || index >= limit)
    throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
}
