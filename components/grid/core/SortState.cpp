#include "components/grid/core/SortState.h"

#include <algorithm>
#include <numeric>

#include "components/grid/core/SortRun.h"

void TSortState::InitXRef(int Rows) {
  xRef_.resize(static_cast<std::size_t>(std::max(Rows, 0)));
  std::iota(xRef_.begin(), xRef_.end(), 0);
}

int TSortState::PlaceNow(int Place) const {
  if (xRef_.empty()) return Place;
  return static_cast<int>(std::find(xRef_.begin(), xRef_.end(), Place) - xRef_.begin());
}

std::string TSortState::Fault() const { return PermutationFault(xRef_, "sort cross reference"); }
