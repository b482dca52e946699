#include "components/grid/core/SortRun.h"

#include <algorithm>
#include <numeric>

#include "platform/core/invariant.h"

void TSortRun::StartPending(int Rows) {
  pending_.resize(static_cast<std::size_t>(Rows));
  std::iota(pending_.begin(), pending_.end(), 0);
}

void TSortRun::HoldPivot(int Row, int Pivot) {
  pivotFrom_ = pending_.empty() ? Row : pending_[Row];
  pivotRow_ = Pivot;
}

const std::vector<int>& TSortRun::StopDeferring() {
  defer_ = false;
  if (pending_.empty()) return pending_;
  CheckInvariant("sort run", [&] { return Fault(); });
  if (pivotFrom_ >= 0)
    pivotFrom_ = static_cast<int>(std::find(pending_.begin(), pending_.end(), pivotFrom_) -
                                  pending_.begin());
  return pending_;
}

std::string TSortRun::Fault() const {
  if (defer_ && !keysOn_) return "exchanges deferred without keys";
  std::string fault = PermutationFault(pending_, "pending rows");
  if (fault.empty() && pivotFrom_ >= 0 && !pending_.empty() &&
      pivotFrom_ >= static_cast<int>(pending_.size()))
    fault = "the pivot's source " + std::to_string(pivotFrom_) + " lies outside the rows";
  return fault;
}

std::string PermutationFault(const std::vector<int>& Order, const char* Name) {
  std::vector<bool> seen(Order.size());
  for (std::size_t k = 0; k < Order.size(); ++k) {
    const int row = Order[k];
    if (row < 0 || static_cast<std::size_t>(row) >= Order.size())
      return std::string(Name) + ": row " + std::to_string(row) + " lies outside the " +
             std::to_string(Order.size()) + " rows";
    if (seen[row]) return std::string(Name) + ": row " + std::to_string(row) + " stands twice";
    seen[row] = true;
  }
  return {};
}
