#include "components/grid/core/IntList.h"

#include "platform/core/exception.h"
#include "platform/core/strings.h"

int& TIntList::Slot(int Index) {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
  return items_[static_cast<std::size_t>(Index)];
}

int TIntList::GetInteger(int Index) const { return const_cast<TIntList*>(this)->Slot(Index); }

void TIntList::SetInteger(int Index, int Value) {
  Slot(Index) = Value;
  Changed();
}

int TIntList::Add(int Value) {
  items_.push_back(Value);
  Changed();
  return Count() - 1;
}

void TIntList::Delete(int Index) {
  Slot(Index);
  items_.erase(items_.begin() + Index);
  Changed();
}

AnsiString TIntList::GetStrValue() const {
  AnsiString text;
  for (std::size_t i = 0; i < items_.size(); ++i) text += (i ? "," : "") + IntToStr(items_[i]);
  return text;
}

void TIntList::SetStrValue(const AnsiString& Value) {
  TStringList parts;
  parts.SetCommaText(Value);
  std::vector<int> values;
  for (int i = 0; i < parts.Count(); ++i) values.push_back(StrToInt(parts.Strings(i)));
  Clear();
  for (int v : values) Add(v);
}

void TIntList::Changed() {
  if (OnChange) OnChange(this, col_, row_);
}
