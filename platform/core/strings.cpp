#include "platform/core/strings.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/core/file_bytes.h"
#include "platform/core/files.h"
#include "platform/core/save_failure.h"

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool NeedsQuotes(const AnsiString& text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return IsBlankOrControl(c) || c == '"' || c == ','; });
}

AnsiString Quoted(const AnsiString& text) {
  AnsiString out(1, '"');
  out += StringReplaceAll(text, "\"", "\"\"");
  return out += '"';
}

// Reads a quoted string from text[pos] (the opening quote); a doubled quote is one quote.
AnsiString TakeQuoted(const AnsiString& text, std::size_t& pos) {
  AnsiString out;
  for (++pos; pos < text.size(); ++pos) {
    if (text[pos] != '"') {
      out += text[pos];
    } else if (pos + 1 < text.size() && text[pos + 1] == '"') {
      out += '"';
      ++pos;
    } else {
      ++pos;
      break;
    }
  }
  return out;
}

void SkipBlanks(const AnsiString& text, std::size_t& pos) {
  while (pos < text.size() && IsBlankOrControl(text[pos])) ++pos;
}

// Changes made while it lives report once, when it ends.
class UpdateScope {
 public:
  explicit UpdateScope(TStrings& strings) : strings_(strings) { strings_.BeginUpdate(); }
  ~UpdateScope() { strings_.EndUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  TStrings& strings_;
};

}  // namespace

// --- TStrings -------------------------------------------------------------------------------

int TStrings::AddObject(const AnsiString& text, TObject* object) {
  int index = Count();
  InsertObject(index, text, object);
  return index;
}

int TStrings::CompareStrings(const AnsiString& a, const AnsiString& b) const {
  return AnsiCompareText(a, b);
}

int TStrings::IndexOf(const AnsiString& text) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Strings(i), text) == 0) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i)
    if (Objects(i) == object) return i;
  return -1;
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  TStringList copy;  // taken first: the source may share its storage with this list
  copy.AddStrings(source);
  const UpdateScope update(*this);
  Clear();
  AddStrings(copy);
}

void TStrings::AddStrings(const TStrings& source) {
  // Taken first: the source may be this list.
  std::vector<std::pair<AnsiString, TObject*>> items;
  for (int i = 0; i < source.Count(); ++i) items.emplace_back(source.Strings(i), source.Objects(i));
  const UpdateScope update(*this);
  for (auto& [text, object] : items) AddObject(text, object);
}

AnsiString TStrings::GetText() const {
  AnsiString out;
  for (int i = 0; i < Count(); ++i) out += Strings(i) + "\r\n";
  return out;
}

void TStrings::SetText(const AnsiString& text) {
  const UpdateScope update(*this);
  Clear();
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    Add(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
}

AnsiString TStrings::GetCommaText() const {
  if (Count() == 1 && Strings(0).empty()) return "\"\"";
  AnsiString out;
  for (int i = 0; i < Count(); ++i) {
    AnsiString s = Strings(i);
    if (i > 0) out += ',';
    out += NeedsQuotes(s) ? Quoted(s) : s;
  }
  return out;
}

// Items are separated by commas or blanks; a comma at the very end adds an empty item.
void TStrings::SetCommaText(const AnsiString& text) {
  const UpdateScope update(*this);
  Clear();
  std::size_t pos = 0;
  SkipBlanks(text, pos);
  while (pos < text.size()) {
    if (text[pos] == '"') {
      Add(TakeQuoted(text, pos));
    } else {
      std::size_t start = pos;
      while (pos < text.size() && !IsBlankOrControl(text[pos]) && text[pos] != ',') ++pos;
      Add(text.substr(start, pos - start));
    }
    SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == ',') {
      if (pos + 1 == text.size()) Add("");
      ++pos;
      SkipBlanks(text, pos);
    }
  }
}

AnsiString TStrings::Names(int index) const {
  AnsiString s = Strings(index);
  std::size_t eq = s.find('=');
  return eq == std::string::npos ? AnsiString() : s.substr(0, eq);
}

int TStrings::IndexOfName(const AnsiString& name) const {
  for (int i = 0; i < Count(); ++i) {
    AnsiString s = Strings(i);
    std::size_t eq = s.find('=');
    if (eq != std::string::npos && CompareStrings(s.substr(0, eq), name) == 0) return i;
  }
  return -1;
}

AnsiString TStrings::Values(const AnsiString& name) const {
  int i = IndexOfName(name);
  return i < 0 ? AnsiString() : Strings(i).substr(Strings(i).find('=') + 1);
}

void TStrings::SetValues(const AnsiString& name, const AnsiString& value) {
  int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
  } else if (i >= 0) {
    SetStrings(i, name + "=" + value);
  } else {
    Add(name + "=" + value);
  }
}

void TStrings::LoadFromFile(const AnsiString& fileName) {
  std::string bytes;
  if (!ReadFileBytes(fileName, bytes)) throw EFOpenError("Cannot open file " + fileName);
  SetText(bytes);
}

void TStrings::SaveToFile(const AnsiString& fileName) const {
  if (!WriteFileBytes(fileName, GetText()))
    throw EFCreateError(SaveFailureText(fileName, errno, "Cannot create file " + fileName));
}

// --- TStringList ----------------------------------------------------------------------------

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index > limit)
    throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
}

AnsiString TStringList::Strings(int index) const {
  CheckIndex(index, Count() - 1);
  return items_[index].text;
}

void TStringList::Changed() {
  if (!Updating() && OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (!Updating) Changed();
}

void TStringList::SetStrings(int index, const AnsiString& text) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index, Count() - 1);
  items_[index].text = text;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index, Count() - 1);
  return items_[index].object;
}

void TStringList::SetObjects(int index, TObject* object) {
  CheckIndex(index, Count() - 1);
  items_[index].object = object;
  Changed();
}

void TStringList::InsertObject(int index, const AnsiString& text, TObject* object) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index, Count());
  items_.insert(items_.begin() + index, Item{text, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

int TStringList::AddObject(const AnsiString& text, TObject* object) {
  int index = Count();
  if (sorted_ && Find(text, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
  }
  items_.insert(items_.begin() + index, Item{text, object});
  Changed();
  return index;
}

int TStringList::IndexOf(const AnsiString& text) const {
  if (!sorted_) return TStrings::IndexOf(text);
  int index;
  return Find(text, index) ? index : -1;
}

bool TStringList::Find(const AnsiString& text, int& index) const {
  bool found = false;
  int lo = 0, hi = Count() - 1;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = CompareStrings(items_[mid].text, text);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (duplicates_ != dupAccept) lo = mid;
      }
    }
  }
  index = lo;
  return found;
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1, Count() - 1);
  CheckIndex(index2, Count() - 1);
  std::swap(items_[index1], items_[index2]);
  Changed();
}

void TStringList::Sort() {
  CustomSort([](TStringList* list, int a, int b) {
    return list->CompareStrings(list->items_[a].text, list->items_[b].text);
  });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
  if (sorted_ || Count() <= 1) return;
  QuickSort(0, Count() - 1, compare);
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

// Partition exchange with the pivot followed by index, since the comparison sees only
// positions. The scans stay inside the range, so an inconsistent comparison cannot run
// past it; the smaller side recurses, so the depth stays logarithmic.
void TStringList::QuickSort(int lo, int hi, const TStringListSortCompare& compare) {
  while (lo < hi) {
    int i = lo, j = hi, pivot = (lo + hi) / 2;
    do {
      while (i < hi && compare(this, i, pivot) < 0) ++i;
      while (j > lo && compare(this, j, pivot) > 0) --j;
      if (i <= j) {
        std::swap(items_[i], items_[j]);
        if (pivot == i) pivot = j;
        else if (pivot == j) pivot = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - lo < hi - i) {
      if (lo < j) QuickSort(lo, j, compare);
      lo = i;
    } else {
      if (i < hi) QuickSort(i, hi, compare);
      hi = j;
    }
  }
}
