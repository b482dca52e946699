// The character filter: what each edit type lets in, keystroke by keystroke. A character
// either passes to the platform edit, is refused, or is consumed by a rewrite of the value.
#include <algorithm>

#include "components/edit/EditChars.h"
#include "components/edit/ExtEdit.h"

using namespace EditChars;

namespace {
// Backspace, Tab and Enter, which every type lets through.
bool IsEditingKey(char c) { return c == '\b' || c == '\t' || c == '\r'; }
bool IsRangeSeparator(char c) { return c == ',' || c == '-' || c == ';'; }
constexpr int kKeypadBit = 1 << 22;
constexpr char kCtrlA = '\x01';

// Ctrl with a letter types a control code, which is the edit's shortcut (select all, copy,
// cut, paste, undo) and never a character of the value; Ctrl+H, I and M type Backspace, Tab
// and Enter, which keep their rules.
bool IsShortcut(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 26 && !IsEditingKey(c) && c != '\n' && GetKeyState(VK_CONTROL) < 0;
}

int Count(const AnsiString& text, char c) {
  return static_cast<int>(std::count(text.begin(), text.end(), c));
}
}  // namespace

void TExtEdit::WMChar(TWMChar& Message) {
  if (IsShortcut(static_cast<char>(Message.CharCode))) return TypeShortcut(Message);
  switch (FilterChar(Message)) {
    case CharVerdict::Refused:
    case CharVerdict::Consumed: return;
    case CharVerdict::PassAndStop: TCustomEdit::WMChar(Message); return;
    case CharVerdict::Pass: {
      const char key = static_cast<char>(Message.CharCode);
      TCustomEdit::WMChar(Message);
      AfterPassing(key);
      break;
    }
    case CharVerdict::OutsideType: break;
  }
  AfterTyping();
}

TExtEdit::CharVerdict TExtEdit::FilterChar(TWMChar& Message) {
  char key = static_cast<char>(Message.CharCode);
  if (key == '\r') {
    KeyPress(key);
    return CharVerdict::Consumed;
  }
  if (key == '\x1B' && !canUndo_) return CharVerdict::PassAndStop;
  if (key == '.' && ExcelStyleDecimalSeparator && (Message.KeyData & kKeypadBit))
    key = DecimalSeparator;
  const int selStart = GetSelStart();
  const bool selected = GetSelLength() > 0;
  if (key == '\b' && !prefix_.empty() && selStart <= PrefixLength() && !selected)
    return CharVerdict::Refused;
  // Characters before the decimal separator stop at the limit; the fraction stays open.
  if (LengthLimit > 0 && FixedLength(GetText()) > LengthLimit && !selected &&
      selStart < DecimalPos() && key != '\b' && key != DecimalSeparator)
    return CharVerdict::Refused;
  // Deleting a decimal separator must not join the parts beyond the limit.
  if (key == '\b' && LengthLimit > 0 && FixedLength(ValueAfterDeletion(false)) - 1 > LengthLimit)
    return CharVerdict::Refused;
  if (key == '-' && IsNumberType() && !Signed) return CharVerdict::Refused;
  CharVerdict verdict = FilterByType(key);
  Message.CharCode = static_cast<unsigned char>(key);
  return verdict;
}

TExtEdit::CharVerdict TExtEdit::FilterByType(char& Key) {
  switch (editType_) {
    case etString:
    case etPassword:
    case etMixedCase: return CharVerdict::Pass;
    case etNumeric:
      if (Key == '-') {
        int length = GetSelLength();
        ToggleSign();
        SetSelLength(length);
        return CharVerdict::Consumed;
      }
      // Ctrl's characters are the clipboard shortcuts.
      if (IsEditingKey(Key) || IsDigit(Key) || GetKeyState(VK_CONTROL) < 0)
        return CharVerdict::Pass;
      return CharVerdict::OutsideType;
    case etFloat: return FilterFloat(Key, false);
    case etMoney: return FilterFloat(Key, true);
    case etUppercase: Key = AnsiUpperChar(Key); return CharVerdict::Pass;
    case etLowerCase: Key = AnsiLowerChar(Key); return CharVerdict::Pass;
    case etRange: return FilterRange(Key);
    case etHex:
      return IsEditingKey(Key) || Key == '-' || IsDigit(Key) || IsHexLetter(Key)
                 ? CharVerdict::Pass
                 : CharVerdict::OutsideType;
    case etAlphaNumeric:
      return IsEditingKey(Key) || IsDigit(Key) || IsLetter(Key) ? CharVerdict::Pass
                                                                : CharVerdict::OutsideType;
  }
  return CharVerdict::Pass;
}

// The platform edit runs the shortcut; select all takes the value, not the Prefix and Suffix
// around it.
void TExtEdit::TypeShortcut(TWMChar& Message) {
  TCustomEdit::WMChar(Message);
  if (Message.CharCode == static_cast<unsigned char>(kCtrlA)) {
    SetSelStart(PrefixLength());
    SetSelLength(static_cast<int>(GetText().size()));
  }
  NoteEdited();
}

// Floats and money. Money takes no thousand separator from the keyboard: AutoSeparators puts
// them in.
TExtEdit::CharVerdict TExtEdit::FilterFloat(char Key, bool Money) {
  const char decimal = DecimalSeparator, thousand = ThousandSeparator;
  const AnsiString value = GetText();
  const AnsiString selectedPart = value.substr(static_cast<std::size_t>(ValueSelStart()),
                                               static_cast<std::size_t>(ValueSelLength()));
  const int selStart = GetSelStart();
  const bool selected = GetSelLength() > 0;
  const bool hasDecimal = value.find(decimal) != AnsiString::npos;
  if (!Money) {
    if ((Key == ',' || Key == '.') && Key != decimal && Key != thousand) return CharVerdict::Refused;
    bool floatChar = IsEditingKey(Key) || IsDigit(Key) || Key == ',' || Key == '-' || Key == '.';
    if (!floatChar) return CharVerdict::OutsideType;
  }
  // A second decimal separator sends the caret behind the first.
  bool replacesDecimal = !Money && selectedPart.find(decimal) != AnsiString::npos;
  if (Key == decimal && !replacesDecimal && (hasDecimal || precision_ == 0)) {
    if (hasDecimal && precision_ > 0) SelectAfterDecimal();
    return CharVerdict::Refused;
  }
  if (Money && !(IsEditingKey(Key) || IsDigit(Key) || Key == '-' || Key == decimal))
    return CharVerdict::OutsideType;
  if (!Money && Key == ',' && thousand != ',' && Count(value, ',') > Count(selectedPart, ','))
    return CharVerdict::Refused;
  if ((Key == thousand || Key == decimal) && SeparatorGroupCheck(value, selStart))
    return CharVerdict::Refused;
  // A full fraction is typed over, digit by digit.
  if ((IsDigit(Key) || Key == decimal) && !selected && DecimalLimitReached(value, selStart)) {
    if (!IsDigit(Key) || selStart >= ValueEnd()) return CharVerdict::Refused;
    SetSelLength(1);
  }
  if (Key == decimal && value.empty() && selStart == PrefixLength()) {
    WriteValue(AnsiString("0") + decimal);
    SetSelStart(PrefixLength() + 2);
    SetModified(true);
    return CharVerdict::Consumed;
  }
  if (Key == '-' && !selected) {
    ToggleSign();
    return CharVerdict::Consumed;
  }
  return CharVerdict::Pass;
}

// Range separators stand between numbers: not first, not next to another separator.
TExtEdit::CharVerdict TExtEdit::FilterRange(char Key) {
  if (!(IsEditingKey(Key) || IsDigit(Key) || IsRangeSeparator(Key))) return CharVerdict::OutsideType;
  if (!IsRangeSeparator(Key)) return CharVerdict::Pass;
  const AnsiString text = TCustomEdit::GetText();
  const int caret = GetSelStart();
  if (caret <= PrefixLength()) return CharVerdict::Refused;
  if (caret > 0 && IsRangeSeparator(text[static_cast<std::size_t>(caret) - 1]))
    return CharVerdict::Refused;
  if (caret < static_cast<int>(text.size()) && IsRangeSeparator(text[static_cast<std::size_t>(caret)]))
    return CharVerdict::Refused;
  return CharVerdict::Pass;
}

// Only a leading minus is the sign.
void TExtEdit::ToggleSign() {
  AnsiString value = GetText();
  const int caret = GetSelStart();
  if (!value.empty() && value[0] == '-') {
    WriteValue(value.substr(1));
    SetSelStart(std::max(caret - 1, PrefixLength()));
  } else {
    WriteValue("-" + value);
    SetSelStart(caret + 1);
  }
  SetModified(true);
}

// What a type does once the platform edit took the character.
void TExtEdit::AfterPassing(char Key) {
  if (editType_ == etMoney) {
    AnsiString value = GetText();
    if (value.empty() || value == "-" || Key == DecimalSeparator) return;
    if (TCustomEdit::GetModified()) SetModified(true);
    AutoSeparators();
  } else if (editType_ == etMixedCase) {
    // The caret stays where the platform edit left it: after a typed character, or where a
    // Backspace deleted one.
    const int caret = GetSelStart();
    WriteValue(MixedCase(GetText()));
    SetSelStart(caret);
  }
}

// Moving on at a full length counts the value's characters before the caret, not the Prefix
// or thousand separators.
void TExtEdit::AfterTyping() {
  if (TabOnFullLength && LengthLimit > 0 && GetSelLength() == 0 &&
      FixedLength(GetText()) - 1 >= LengthLimit) {
    AnsiString before = GetText().substr(0, static_cast<std::size_t>(ValueSelStart()));
    if (static_cast<int>(StripThousandSep(before).size()) == LengthLimit)
      PostMessage(GetHandle(), WM_KEYDOWN, VK_TAB, 0);
  }
  NoteEdited();
}

void TExtEdit::NoteEdited() {
  if (TCustomEdit::GetModified()) SetModified(true);
  UpdateLookup();
}
