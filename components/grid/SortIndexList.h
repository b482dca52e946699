// The columns of an indexed sort in the order they decide: each entry a column number in the
// low 31 bits, bit 31 set when that column sorts descending.
#pragma once

#include <cstdint>
#include <vector>

class TSortIndexList {
 public:
  static constexpr uint32_t kDescending = 0x80000000u;

  static int Column(uint32_t Entry) { return static_cast<int>(Entry & ~kDescending); }
  static bool Descending(uint32_t Entry) { return (Entry & kDescending) != 0; }

  int Count() const { return static_cast<int>(items_.size()); }
  uint32_t Items(int Index) const { return items_.at(static_cast<std::size_t>(Index)); }
  void Clear() { items_.clear(); }
  void Delete(int Index) {
    Items(Index);  // raises std::out_of_range for an index outside the list
    items_.erase(items_.begin() + Index);
  }

  void AddIndex(int ACol, bool Ascending) {
    items_.push_back(static_cast<uint32_t>(ACol) | (Ascending ? 0 : kDescending));
  }
  // The position of the column's entry; -1 when it has none.
  int FindIndex(int ACol) const {
    for (int i = 0; i < Count(); ++i)
      if (Column(items_[static_cast<std::size_t>(i)]) == ACol) return i;
    return -1;
  }
  void ToggleIndex(int ACol) {
    if (const int i = FindIndex(ACol); i >= 0) items_[static_cast<std::size_t>(i)] ^= kDescending;
  }

 private:
  std::vector<uint32_t> items_;
};
