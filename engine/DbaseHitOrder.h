// The hits of a query run with their two sort texts, kept as fixed-width keys: a text of at
// most 19 characters, which holds no NUL, compares as its bytes padded with NULs, here read as
// big-endian words so that a comparison is a few integer comparisons. Sorted once, the hits go
// into the result index in their order, so the index need not sort them again.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/ResultIndex.h"

// A record number's decimal digits, made without an allocation.
using DbaseRecordDigits = std::array<char, 10>;
std::string_view DbaseRecordText(uint32_t record, DbaseRecordDigits& digits);

class DbaseHitOrder {
 public:
  static constexpr std::size_t kTextLength = 19;

  // A hit of a higher record number than those before it.
  void Add(uint32_t record, std::string_view key1, std::string_view key2);
  // Before the sort: the hits of records from `end` on are dropped; the number of those that stay.
  uint32_t KeepBelow(long end);
  // Ascending by the first key, ties by the second (with `secondOnly`, by the second alone),
  // both by their bytes with empty texts last, as the index's alphabetic sort orders them;
  // hits equal in both stay in record order.
  void Sort(bool secondOnly);
  // Adds the hits to the index in their order.
  void Into(ResultIndex& index) const;
  std::size_t size() const { return hits_.size(); }

 private:
  // Per key: a byte 1 when the text is empty (so it sorts last), the text, NULs up to 24 bytes.
  static constexpr std::size_t kKeyWords = 3;
  using Key = std::array<uint64_t, kKeyWords>;
  struct Hit {
    std::array<Key, 2> keys;
    uint32_t record;
  };
  static Key KeyOf(std::string_view text);
  using KeyBytes = std::array<unsigned char, kKeyWords * 8>;
  static std::string_view TextOf(const Key& key, KeyBytes& bytes);
  std::vector<Hit> hits_;
};
