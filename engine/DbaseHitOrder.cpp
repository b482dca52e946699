// The query's hits sorted once on fixed-width keys.
#include "engine/DbaseHitOrder.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

constexpr std::size_t kWordBytes = 8;

uint64_t BigEndianWord(const unsigned char* bytes) {
  uint64_t word = 0;
  for (std::size_t i = 0; i < kWordBytes; ++i) word = word << 8 | bytes[i];
  return word;
}

void PutBigEndianWord(uint64_t word, unsigned char* bytes) {
  for (std::size_t i = kWordBytes; i-- > 0; word >>= 8) bytes[i] = static_cast<unsigned char>(word);
}

}  // namespace

DbaseHitOrder::Key DbaseHitOrder::KeyOf(std::string_view text) {
  unsigned char bytes[kKeyWords * kWordBytes] = {};
  bytes[0] = text.empty() ? 1 : 0;
  text.copy(reinterpret_cast<char*>(bytes) + 1, std::min(text.size(), kTextLength));
  Key key;
  for (std::size_t w = 0; w < kKeyWords; ++w) key[w] = BigEndianWord(bytes + w * kWordBytes);
  return key;
}

std::string_view DbaseRecordText(uint32_t record, DbaseRecordDigits& digits) {
  const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), record);
  return {digits.data(), static_cast<std::size_t>(end - digits.data())};
}

std::string_view DbaseHitOrder::TextOf(const Key& key, KeyBytes& bytes) {
  for (std::size_t w = 0; w < kKeyWords; ++w) PutBigEndianWord(key[w], &bytes[w * kWordBytes]);
  const char* text = reinterpret_cast<const char*>(bytes.data()) + 1;
  return {text, strnlen(text, kTextLength)};
}

void DbaseHitOrder::Add(uint32_t record, std::string_view key1, std::string_view key2) {
  hits_.push_back({{KeyOf(key1), KeyOf(key2)}, record});
}

uint32_t DbaseHitOrder::KeepBelow(long end) {
  while (!hits_.empty() && static_cast<long>(hits_.back().record) >= end) hits_.pop_back();
  return static_cast<uint32_t>(hits_.size());
}

void DbaseHitOrder::Sort(bool secondOnly) {
  const std::size_t from = secondOnly ? 1 : 0;
  // The record number decides the rest, which keeps equal hits in the order they came.
  std::sort(hits_.begin(), hits_.end(), [from](const Hit& a, const Hit& b) {
    for (std::size_t k = from; k < a.keys.size(); ++k)
      if (a.keys[k] != b.keys[k]) return a.keys[k] < b.keys[k];
    return a.record < b.record;
  });
}

void DbaseHitOrder::Into(ResultIndex& index) const {
  index.Reserve(hits_.size());
  DbaseRecordDigits number;
  KeyBytes key1;
  KeyBytes key2;
  for (const Hit& hit : hits_)
    index.AddHit(DbaseRecordText(hit.record, number), TextOf(hit.keys[0], key1),
                 TextOf(hit.keys[1], key2));
}
