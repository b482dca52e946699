#include "components/edit/RangeList.h"

#include <algorithm>
#include <cstdint>

#include "components/edit/ExtEditText.h"
#include "platform/core/debug_output.h"

namespace {
// A decimal integer of digits only (blanks around allowed); no sign, since '-' makes a run.
bool ReadDecimal(const AnsiString& text, int& value) {
  AnsiString t = Trim(text);
  if (t.empty() || t.size() > 10 || t.find_first_not_of("0123456789") != AnsiString::npos)
    return false;
  long long v = std::stoll(t);
  if (v > INT32_MAX) return false;
  value = static_cast<int>(v);
  return true;
}
}  // namespace

void TRangeList::Clear() {
  items_.clear();
  members_.clear();
}

void TRangeList::Add(int Value) {
  if (InList(Value)) return;
  items_.push_back(Value);
  members_.insert(Value);
}

void TRangeList::AddMultiple(int Start, int Count) {
  for (int64_t v = Start; v < int64_t{Start} + Count && v <= INT32_MAX; ++v)
    Add(static_cast<int>(v));
}

void TRangeList::Delete(int Index) {
  int value = items_.at(Index);
  items_.erase(items_.begin() + Index);
  members_.erase(members_.find(value));
}

void TRangeList::SetInteger(int Index, int Value) {
  int& slot = items_.at(Index);
  members_.erase(members_.find(slot));
  slot = Value;
  members_.insert(Value);
}

void TRangeList::Sort() {
  std::sort(items_.begin(), items_.end(),
            [](int a, int b) { return RangeListCompare(a, b) < 0; });
}

int TRangeList::NextSeparator(const AnsiString& S) {
  std::size_t at = S.find_first_of(",;");
  return at == AnsiString::npos ? 0 : static_cast<int>(at) + 1;
}

bool TRangeList::StrToList(AnsiString S) {
  Clear();
  bool result = true;
  while (!S.empty()) {
    AnsiString item = S;
    if (int at = NextSeparator(S)) {
      item = S.substr(0, static_cast<std::size_t>(at) - 1);
      S.erase(0, static_cast<std::size_t>(at));
    } else {
      S.clear();
    }
    int value = 0;
    if (item.find('-') != AnsiString::npos) {
      if (!AddRange(item)) result = false;
    } else if (ReadDecimal(item, value)) {
      Add(value);
    } else {
      result = false;
    }
  }
  return result;
}

// A run "a-b" adds a..b; b < a adds nothing. A run of more than MaxRunLength values is
// refused rather than filling memory.
bool TRangeList::AddRange(const AnsiString& Item) {
  std::size_t dash = Item.find('-');
  int from = 0, to = 0;
  if (!ReadDecimal(Item.substr(0, dash), from) || !ReadDecimal(Item.substr(dash + 1), to))
    return false;
  if (int64_t{to} - from + 1 > MaxRunLength) return false;
  if (to >= from) AddMultiple(from, to - from + 1);
  return true;
}

void TRangeList::Show() const {
  for (int value : items_) OutputDebugString(IntToStr(value));
}
