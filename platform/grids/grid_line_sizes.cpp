#include "platform/grids/grid_line_sizes.h"

#include <algorithm>

namespace {
int LowBit(size_t i) { return static_cast<int>(i & (~i + 1)); }
}  // namespace

void TLineSizes::Assign(int count, int size) {
  sizes_.assign(count, size);
  built_ = false;
}

void TLineSizes::Clear() {
  sizes_.clear();
  tree_.clear();
  built_ = false;
}

void TLineSizes::Resize(int count, int size) {
  // A few lines added one by one keep the tree; many at once cost less built again.
  constexpr int kAppendLimit = 64;
  if (built_ && count > Count() && count - Count() <= kAppendLimit) {
    while (Count() < count) Append(size);
    return;
  }
  if (count > Count()) built_ = false;
  sizes_.resize(count, size);
  // A Fenwick tree cut short still holds the sums of the lines it keeps.
  if (built_) tree_.resize(count + 1);
}

// The new node covers the lines after the one its low bit reaches back to.
void TLineSizes::Append(int size) {
  sizes_.push_back(size);
  const int n = Count();
  tree_.push_back(size + Before(n - 1) - Before(n - LowBit(n)));
}

void TLineSizes::Set(int index, int size) {
  const int64_t delta = int64_t{size} - sizes_[index];
  sizes_[index] = size;
  if (!built_) return;
  for (size_t i = index + 1; i < tree_.size(); i += LowBit(i)) tree_[i] += delta;
}

void TLineSizes::Move(int from, int to) {
  auto at = sizes_.begin();
  if (from < to)
    std::rotate(at + from, at + from + 1, at + to + 1);
  else
    std::rotate(at + to, at + from, at + from + 1);
  built_ = false;
}

void TLineSizes::Permute(const std::vector<int>& order) {
  std::vector<int> sizes(sizes_.size());
  for (size_t p = 0; p < order.size(); ++p) sizes[p] = sizes_[order[p]];
  sizes_ = std::move(sizes);
  built_ = false;
}

int64_t TLineSizes::Before(int index) const {
  if (!built_) Build();
  int64_t sum = 0;
  for (size_t i = index; i > 0; i -= LowBit(i)) sum += tree_[i];
  return sum;
}

// Each node adds itself to its parent: linear, not n log n.
void TLineSizes::Build() const {
  tree_.assign(sizes_.size() + 1, 0);
  for (size_t i = 1; i < tree_.size(); ++i) {
    tree_[i] += sizes_[i - 1];
    if (const size_t parent = i + LowBit(i); parent < tree_.size()) tree_[parent] += tree_[i];
  }
  built_ = true;
}
