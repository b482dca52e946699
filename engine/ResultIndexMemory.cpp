// The result index in memory and its sort. Each cell of the sort's columns becomes a key
// once, so a sort of many hits compares numbers and texts, not cells.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

#include "components/grid/core/GridUtil.h"
#include "engine/ResultIndex.h"

namespace {

// The places in the order: values by number, texts by their bytes, then the texts of a
// numeric column that are no number (they tie with each other), then the empty cells.
enum class Rank { Value, Text, Unordered, Empty };

struct Key {
  Rank rank = Rank::Empty;
  double value = 0;
  std::string_view text;
};

// The whole text as a number, the locale's first decimal separator read as ".".
bool StrictNumber(const AnsiString& text, double& value) {
  AnsiString plain = Trim(text);
  std::size_t separator = plain.find(DecimalSeparator);
  if (separator != AnsiString::npos) plain[separator] = '.';
  const char* begin = plain.data() + (!plain.empty() && plain[0] == '+');
  const char* end = plain.data() + plain.size();
  auto [stop, error] = std::from_chars(begin, end, value);
  return error == std::errc() && stop == end && std::isfinite(value);
}

Key NumberKey(const AnsiString& text) {
  double number = 0;
  return StrictNumber(text, number) ? Key{Rank::Value, number, {}} : Key{Rank::Unordered, 0, {}};
}

// A date in the locale's short format; the day 0 when the text names none.
Key DateKey(const AnsiString& text) {
  TDateTime date = 0;
  return {Rank::Value, StrToDateFmt(text, date) ? date : 0, {}};
}

// The first "/" second or third, between two digits.
bool LooksLikeDate(const AnsiString& text) {
  std::size_t slash = text.find('/');
  auto digit = [&text](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  return (slash == 1 || slash == 2) && slash + 1 < text.size() && digit(slash - 1) && digit(slash + 1);
}

Key KeyOf(std::string_view view, IndexSortStyle style) {
  if (view.empty()) return {};
  if (style == IndexSortStyle::Alphabetic) return {Rank::Text, 0, view};
  const AnsiString text(view);
  if (style == IndexSortStyle::Numeric) return NumberKey(text);
  if (style == IndexSortStyle::Date) return DateKey(text);
  // Automatic: a number or a date where the text looks like one.
  TAutoType type = IsType(text);
  if (type == atNumeric || type == atFloat) return NumberKey(text);
  if (LooksLikeDate(text)) return DateKey(text);
  return {Rank::Text, 0, view};
}

int Compare(const Key& a, const Key& b) {
  if (a.rank != b.rank) return a.rank < b.rank ? -1 : 1;
  if (a.rank == Rank::Value) return (a.value > b.value) - (a.value < b.value);
  if (a.rank == Rank::Text) return a.text.compare(b.text);
  return 0;
}

}  // namespace

void MemoryResultIndex::Clear() {
  rows_.clear();
  texts_.clear();
}

void MemoryResultIndex::Reserve(std::size_t hits) {
  constexpr std::size_t kTextsPerHit = 32;  // a record number and a sort text or two
  rows_.reserve(rows_.size() + hits);
  texts_.reserve(texts_.size() + hits * kTextsPerHit);
}

MemoryResultIndex::Place MemoryResultIndex::Keep(std::string_view text) {
  const Place place{texts_.size(), text.size()};
  texts_.append(text);
  return place;
}

void MemoryResultIndex::AddHit(std::string_view satznummer, std::string_view key1,
                               std::string_view key2) {
  rows_.push_back({Keep(satznummer), Keep(key1), Keep(key2)});
}

void MemoryResultIndex::KeepHits(int hits) {
  if (hits >= 0 && static_cast<std::size_t>(hits) < rows_.size()) rows_.resize(hits);
}

void MemoryResultIndex::SetSortStyle(int column, IndexSortStyle style) {
  if (column >= 0 && column < kColumns) styles_[column] = style;
}

void MemoryResultIndex::Sort(int column) {
  if (column < 0 || column >= kColumns || rows_.size() < 2) return;
  std::vector<std::vector<Key>> keys;  // the sort column's and those to its right
  for (int c = column; c < kColumns; ++c) {
    std::vector<Key>& k = keys.emplace_back();
    k.reserve(rows_.size());
    for (const Row& row : rows_) k.push_back(KeyOf(Text(row[c]), styles_[c]));
  }
  std::vector<std::size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) {
    for (const std::vector<Key>& k : keys)
      if (int c = Compare(k[a], k[b]); c != 0) return c < 0;
    return false;
  });
  std::vector<Row> sorted;
  sorted.reserve(rows_.size());
  for (std::size_t i : order) sorted.push_back(rows_[i]);
  rows_.swap(sorted);
}

std::string_view MemoryResultIndex::Cell(int column, int row) const {
  if (column < 0 || column >= kColumns || row < 0 || row >= static_cast<int>(rows_.size()))
    return {};
  return Text(rows_[row][column]);
}
