#include "components/grid/grid/paint/LookSettings.h"

#include <algorithm>
#include <climits>
#include <cstdint>

template <typename T>
void TBands::UpdateBand(T& field, const T& value) {
  field = value;
  period_ =
      static_cast<int>(std::clamp<int64_t>(int64_t{primaryLength_} + secondaryLength_, 1, INT_MAX));
  if (active_) Changed();
}

void TBands::SetSecondaryLength(int Value) { UpdateBand(secondaryLength_, std::max(0, Value)); }
void TBands::SetPrimaryLength(int Value) { UpdateBand(primaryLength_, std::max(0, Value)); }
void TBands::SetSecondaryColor(TColor Value) { UpdateBand(secondaryColor_, Value); }
void TBands::SetPrimaryColor(TColor Value) { UpdateBand(primaryColor_, Value); }
