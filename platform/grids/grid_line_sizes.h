// The sizes of an axis's lines, with running sums of them, so that where a line starts costs
// the same at line 10 as at line 16,000. The sums are a Fenwick tree over the sizes: a single
// size change or a count that grows or shrinks keeps it up to date in log time; a change that
// moves many sizes at once (a move, a permutation) drops it, and the next sum builds it again.
#pragma once

#include <cstdint>
#include <vector>

class TLineSizes {
 public:
  bool Empty() const { return sizes_.empty(); }
  int Count() const { return static_cast<int>(sizes_.size()); }
  int operator[](int index) const { return sizes_[index]; }

  void Assign(int count, int size);
  void Clear();
  // New lines at the end take `size`.
  void Resize(int count, int size);
  void Set(int index, int size);
  // The line at `from` moves to `to`; those between shift towards `from`.
  void Move(int from, int to);
  // Line p takes the size of line order[p].
  void Permute(const std::vector<int>& order);

  // The sum of the sizes of lines 0..index-1 (0 <= index <= Count).
  int64_t Before(int index) const;

 private:
  std::vector<int> sizes_;
  mutable std::vector<int64_t> tree_;  // 1-based; empty while it must be built again
  mutable bool built_ = false;

  void Build() const;
  void Append(int size);
};
