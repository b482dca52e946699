// A list that owns its items, as the grid's collections are: items are made by Add and
// Insert and freed by Delete, Clear and the list's end. An index outside the list raises
// std::out_of_range; Insert places at the nearest end instead.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

template <typename T>
class TGridCollection {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  T* Items(int Index) const { return items_.at(static_cast<size_t>(Index)).get(); }
  T* Add() { return items_.emplace_back(std::make_unique<T>()).get(); }
  T* Insert(int Index) {
    const auto at = items_.begin() + std::clamp(Index, 0, Count());
    return items_.insert(at, std::make_unique<T>())->get();
  }
  void Delete(int Index) {
    Items(Index);
    items_.erase(items_.begin() + Index);
  }
  void Clear() { items_.clear(); }

 private:
  std::vector<std::unique_ptr<T>> items_;
};
