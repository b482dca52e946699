#include "components/grid/grid/editing/InplaceFilter.h"

#include "components/grid/core/GridUtil.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsControlKey(char c) { return c == '\b' || c == '\t' || c == '\r' || c == '\x1B'; }

bool Holds(const AnsiString& Text, char c, int SelStart, int SelLength, bool OutsideSelection) {
  for (int i = 0; i < static_cast<int>(Text.size()); ++i) {
    const bool inSelection = i >= SelStart && i < SelStart + SelLength;
    if (Text[i] == c && !(OutsideSelection && inSelection)) return true;
  }
  return false;
}

TCharVerdict Numeric(char Key, const AnsiString& Text, int SelStart) {
  if (IsControlKey(Key) || IsDigit(Key)) return TCharVerdict::Take;
  if (Key == '-' && SelStart == 0 && Text.find('-') == AnsiString::npos) return TCharVerdict::Take;
  return TCharVerdict::Beep;
}

TCharVerdict Float(char Key, const AnsiString& Text, int SelStart, int SelLength) {
  if (IsControlKey(Key) || IsDigit(Key)) return TCharVerdict::Take;
  if (Key == '.' || Key == ',') {
    const bool separator =
        Holds(Text, '.', SelStart, SelLength, true) || Holds(Text, ',', SelStart, SelLength, true);
    return separator ? TCharVerdict::Drop : TCharVerdict::Take;
  }
  if (Key == '-') {
    const bool first = SelStart == 0 && Text.find('-') == AnsiString::npos;
    return first || Holds(Text.substr(SelStart, SelLength), '-', 0, 0, false) ? TCharVerdict::Take
                                                                              : TCharVerdict::Beep;
  }
  return TCharVerdict::Drop;
}

}  // namespace

bool IsInplaceEditorType(TEditorType Type) {
  return Type == edNormal || (Type >= edNumeric && Type <= edPassword) || Type == edLowerCase ||
         Type == edUpperCase;
}

TCharVerdict FilterChar(TEditorType Type, char& Key, const AnsiString& Text, int SelStart,
                        int SelLength) {
  switch (Type) {
    case edNumeric:
      return Numeric(Key, Text, SelStart);
    case edPositiveNumeric:
      return IsControlKey(Key) || IsDigit(Key) ? TCharVerdict::Take : TCharVerdict::Beep;
    case edFloat:
      return Float(Key, Text, SelStart, SelLength);
    case edCapital:
    case edUpperCase:
      Key = AnsiUpperCase(AnsiString(1, Key))[0];
      return TCharVerdict::Take;
    case edLowerCase:
      Key = AnsiLowerCase(AnsiString(1, Key))[0];
      return TCharVerdict::Take;
    default:
      return TCharVerdict::Take;
  }
}

// A paste may not bring what typing refuses: "-5" into a positive number, "5-3" into a number.
bool FilterPaste(TEditorType Type, const AnsiString& Text, int SelStart, int SelLength,
                 const AnsiString& Clip, AnsiString& NewText) {
  NewText = Text.substr(0, SelStart) + Text.substr(SelStart + SelLength);
  int caret = SelStart;
  for (char c : Clip) {
    if (IsControlKey(c)) return false;
    if (FilterChar(Type, c, NewText, caret, 0) != TCharVerdict::Take) return false;
    NewText.insert(NewText.begin() + caret++, c);
  }
  if (Type == edMixedCase) NewText = ShiftCase(NewText);
  return true;
}

int LookupMatch(const AnsiString& Typed, const TStrings& Items, bool CaseSensitive) {
  if (Typed.empty()) return -1;
  const AnsiString typed = CaseSensitive ? Typed : AnsiUpperCase(Typed);
  for (int i = 0; i < Items.Count(); ++i) {
    const AnsiString item = CaseSensitive ? Items.Strings(i) : AnsiUpperCase(Items.Strings(i));
    if (item.compare(0, typed.size(), typed) == 0) return i;
  }
  return -1;
}
