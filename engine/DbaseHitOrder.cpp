// The query's hits sorted once on fixed-width keys.
#include "engine/DbaseHitOrder.h"

#include <algorithm>
#include <cstring>

#include "platform/core/text.h"

namespace {

void PutKey(char* key, std::string_view text, std::size_t length) {
  std::memset(key, 0, 1 + length);
  key[0] = text.empty() ? 1 : 0;
  text.copy(key + 1, std::min(text.size(), length));
}

AnsiString TextOf(const char* key, std::size_t length) {
  return AnsiString(key + 1, strnlen(key + 1, length));
}

}  // namespace

void DbaseHitOrder::Add(uint32_t record, std::string_view key1, std::string_view key2) {
  Hit& hit = hits_.emplace_back();
  PutKey(hit.keys.data(), key1, kTextLength);
  PutKey(hit.keys.data() + kKeyBytes, key2, kTextLength);
  hit.record = record;
}

void DbaseHitOrder::Sort(bool secondOnly) {
  const std::size_t from = secondOnly ? kKeyBytes : 0;
  const std::size_t bytes = 2 * kKeyBytes - from;
  // The record number decides the rest, which keeps equal hits in the order they came.
  std::sort(hits_.begin(), hits_.end(), [from, bytes](const Hit& a, const Hit& b) {
    int c = std::memcmp(a.keys.data() + from, b.keys.data() + from, bytes);
    return c != 0 ? c < 0 : a.record < b.record;
  });
}

void DbaseHitOrder::Into(ResultIndex& index) const {
  for (const Hit& hit : hits_)
    index.AddHit(IntToStr(hit.record), TextOf(hit.keys.data(), kTextLength),
                 TextOf(hit.keys.data() + kKeyBytes, kTextLength));
}
