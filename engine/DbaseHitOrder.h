// The hits of a query run with their two sort texts, kept as fixed-width bytes: a text of at
// most 19 characters, which holds no NUL, compares as its bytes padded with NULs. Sorted once,
// the hits go into the result index in their order, so the index need not sort them again.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/ResultIndex.h"

class DbaseHitOrder {
 public:
  static constexpr std::size_t kTextLength = 19;

  // A hit of a higher record number than those before it.
  void Add(uint32_t record, std::string_view key1, std::string_view key2);
  // Ascending by the first key, ties by the second (from `secondOnly` on, by the second
  // alone), both by their bytes with empty texts last, as the index's alphabetic sort orders
  // them; hits equal in both stay in record order.
  void Sort(bool secondOnly);
  // Adds the hits to the index in their order.
  void Into(ResultIndex& index) const;
  std::size_t size() const { return hits_.size(); }

 private:
  // Per key: a byte 1 when the text is empty (so it sorts last), then the padded text.
  static constexpr std::size_t kKeyBytes = 1 + kTextLength;
  struct Hit {
    std::array<char, 2 * kKeyBytes> keys;
    uint32_t record;
  };
  std::vector<Hit> hits_;
};
