// The strings of a list as a vector, for comparing a list at once.
#pragma once

#include <vector>

#include "platform/core/strings.h"

using Lines = std::vector<AnsiString>;

inline Lines LinesOf(const TStrings& list) {
  Lines out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
  return out;
}
