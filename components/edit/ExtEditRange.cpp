// The value of a range edit and a list of integers, both ways.
#include <cstdint>

#include "components/edit/ExtEdit.h"

// Runs of consecutive values collapse to "a-b"; a value listed twice counts once.
void TExtEdit::ListToRangeStr(TRangeList* List) {
  List->Sort();
  AnsiString text;
  const int count = List->GetCount();
  for (int i = 0; i < count;) {
    const int first = List->GetInteger(i);
    int last = first;
    for (++i; i < count; ++i) {
      int64_t next = List->GetInteger(i);
      if (next != last && next != int64_t{last} + 1) break;
      last = static_cast<int>(next);
    }
    if (!text.empty()) text += ",";
    text += IntToStr(first);
    if (last != first) text += "-" + IntToStr(last);
  }
  SetText(text);
}

bool TExtEdit::RangeStrToList(TRangeList* List) const { return List->StrToList(GetText()); }
