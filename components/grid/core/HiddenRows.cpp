#include "components/grid/core/HiddenRows.h"

#include <algorithm>
#include <iterator>

#include "platform/core/invariant.h"

THiddenRows::Rows::const_iterator THiddenRows::LowerBound(int RealRow) const {
  return std::lower_bound(
      items_.begin(), items_.end(), RealRow,
      [](const std::unique_ptr<TGridItem>& item, int row) { return item->Idx < row; });
}

THiddenRows::Rows::const_iterator THiddenRows::UpperBound(int RealRow) const {
  return std::upper_bound(
      items_.begin(), items_.end(), RealRow,
      [](int row, const std::unique_ptr<TGridItem>& item) { return row < item->Idx; });
}

TGridItem* THiddenRows::Find(int RealRow) const {
  const auto at = LowerBound(RealRow);
  return at != items_.end() && (*at)->Idx == RealRow ? at->get() : nullptr;
}

int THiddenRows::CountBelow(int RealRow) const {
  return static_cast<int>(std::distance(items_.begin(), LowerBound(RealRow)));
}

// The k-th hidden row (by number) has Idx - k shown rows before it, a number that never falls
// as k rises; the hidden rows before a display row are those with at most that many.
int THiddenRows::RealRow(int DisplayRow) const {
  int low = 0, high = Count();
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (items_[mid]->Idx - mid <= DisplayRow)
      low = mid + 1;
    else
      high = mid;
  }
  return DisplayRow + low;
}

void THiddenRows::Add(Rows Taken) {
  auto byNumber = [](const std::unique_ptr<TGridItem>& a, const std::unique_ptr<TGridItem>& b) {
    return a->Idx < b->Idx;
  };
  std::sort(Taken.begin(), Taken.end(), byNumber);
  const auto middle = static_cast<std::ptrdiff_t>(items_.size());
  items_.insert(items_.end(), std::make_move_iterator(Taken.begin()),
                std::make_move_iterator(Taken.end()));
  std::inplace_merge(items_.begin(), items_.begin() + middle, items_.end(), byNumber);
  CheckInvariant("hidden rows", [&] { return Fault(); });
}

THiddenRows::Rows THiddenRows::Take(int From, int To) {
  const auto first = items_.begin() + CountBelow(From);
  const auto last = To < From ? first : items_.begin() + (UpperBound(To) - items_.cbegin());
  Rows taken(std::make_move_iterator(first), std::make_move_iterator(last));
  items_.erase(first, last);
  return taken;
}

void THiddenRows::Shift(int Row, int Delta) {
  for (auto at = items_.begin() + (UpperBound(Row) - items_.cbegin()); at != items_.end(); ++at)
    (*at)->Idx += Delta;
  CheckInvariant("hidden rows", [&] { return Fault(); });
}

// The k-th hidden row has Idx - k shown rows before it.
void THiddenRows::ShownInserted(int DisplayRow, int Count) {
  for (std::size_t k = 0; k < items_.size(); ++k)
    if (items_[k]->Idx - static_cast<int>(k) > DisplayRow) items_[k]->Idx += Count;
  CheckInvariant("hidden rows", [&] { return Fault(); });
}

void THiddenRows::ShownRemoved(int DisplayRow, int Count) {
  for (std::size_t k = 0; k < items_.size(); ++k) {
    const int shownBefore = items_[k]->Idx - static_cast<int>(k);
    items_[k]->Idx -= std::clamp(shownBefore - DisplayRow, 0, Count);
  }
  CheckInvariant("hidden rows", [&] { return Fault(); });
}

std::string THiddenRows::Fault(int RealRows) const {
  for (std::size_t k = 0; k < items_.size(); ++k) {
    const int row = items_[k]->Idx;
    if (row < 0 || row >= RealRows)
      return "row " + std::to_string(row) + " lies outside the " + std::to_string(RealRows) +
             " real rows";
    if (k > 0 && items_[k - 1]->Idx >= row)
      return "row " + std::to_string(row) + " follows row " + std::to_string(items_[k - 1]->Idx);
  }
  return {};
}
