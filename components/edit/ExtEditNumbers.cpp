// The value as a number: reading it, writing a number in the edit type's form, precision,
// and the thousand separators of money.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "components/edit/EditChars.h"
#include "components/edit/ExtEdit.h"

using namespace EditChars;

namespace {

// A whole decimal number with an optional sign, within 32 bits.
bool ReadInteger(const AnsiString& text, int& value) {
  AnsiString t = Trim(text);
  std::size_t digits = !t.empty() && (t[0] == '-' || t[0] == '+') ? 1 : 0;
  if (t.size() == digits || t.size() > 11 ||
      t.find_first_not_of("0123456789", digits) != AnsiString::npos)
    return false;
  long long v = std::stoll(t);
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

int ClampedInt(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::clamp(std::trunc(value), double{INT_MIN}, double{INT_MAX}));
}

// Hex digits of a 32-bit integer: negative numbers as their eight-digit two's complement,
// which HexToInt reads back.
AnsiString HexDigits(int value) { return IntToHex(static_cast<uint32_t>(value), 0); }
}  // namespace

double TExtEdit::EStrToFloat(const AnsiString& S) const {
  double value = 0;
  return TryStrToFloat(StripThousandSep(S), value) ? value : 0;
}

double TExtEdit::GetFloat() const {
  AnsiString value = GetText();
  switch (editType_) {
    case etNumeric:
    case etFloat: return value.empty() ? 0 : EStrToFloat(value);
    case etMoney:
      value = StripThousandSep(value);
      if (!value.empty() && value.back() == DecimalSeparator) value.pop_back();
      return value.empty() || value == "-" ? 0 : EStrToFloat(value);
    case etHex: return HexToInt(value);
    default: return 0;
  }
}

// A value that is no whole number gives its integer part, so GetInt never fails.
int TExtEdit::GetInt() const {
  AnsiString value = GetText();
  switch (editType_) {
    case etMoney: value = StripThousandSep(value); [[fallthrough]];
    case etNumeric:
    case etFloat: {
      int result = 0;
      return ReadInteger(value, result) ? result : ClampedInt(EStrToFloat(value));
    }
    case etHex: return value.empty() ? 0 : HexToInt(value);
    default: return 0;
  }
}

// Each form is one SetText takes back: plain digits for etNumeric, fixed notation for floats.
void TExtEdit::SetFloat(double Value) {
  switch (editType_) {
    case etNumeric: SetText(FixedNumberText(Value, 0, false)); break;
    case etFloat:
      SetText(precision_ < 0 ? GeneralNumberText(Value) : FixedNumberText(Value, precision_, false));
      break;
    case etMoney:
      SetText(precision_ < 1 ? GeneralNumberText(Value) : FixedNumberText(Value, precision_, false));
      AutoSeparators();
      break;
    case etHex: SetText(HexDigits(ClampedInt(Value))); break;
    default: break;
  }
  SetModified(true);
}

void TExtEdit::SetInt(int Value) {
  switch (editType_) {
    case etNumeric:
    case etFloat: SetText(IntToStr(Value)); break;
    case etMoney:
      SetText(IntToStr(Value));
      AutoSeparators();
      break;
    case etHex: SetText(HexDigits(Value)); break;
    default: break;
  }
  SetModified(true);
}

void TExtEdit::SetPrecision(int Value) {
  if (Value == precision_ || (editType_ != etFloat && editType_ != etMoney)) return;
  precision_ = static_cast<int16_t>(Value);
  Extedit::TAutoType read = Extedit::IsType(GetText());
  SetFloat(read == Extedit::atNumeric || read == Extedit::atFloat ? GetFloat() : 0);
}

void TExtEdit::SetAutoThousandSeparator(bool Value) {
  autoThousandSeparator_ = Value;
  if (editType_ == etFloat || editType_ == etMoney) AutoSeparators();
}

// The integer part is regrouped as text, so no digit is lost to a float's precision.
void TExtEdit::AutoSeparators() {
  AnsiString value = GetText();
  if (value.empty()) return;
  const int oldLength = static_cast<int>(value.size());
  const int oldSelStart = GetSelStart();
  AnsiString sign;
  if (value[0] == '-') {
    sign = "-";
    value.erase(0, 1);
  }
  std::size_t separator = value.find(DecimalSeparator);
  AnsiString fraction = separator == AnsiString::npos ? "" : value.substr(separator);
  AnsiString digits;
  for (char c : value.substr(0, separator))
    if (IsDigit(c)) digits += c;
  std::size_t significant = digits.find_first_not_of('0');
  digits = significant == AnsiString::npos ? "0" : digits.substr(significant);
  AnsiString whole = autoThousandSeparator_ ? GroupThousands(digits) : digits;
  AnsiString rebuilt = sign + whole + fraction;
  WriteValue(rebuilt);
  SetSelStart(std::max(0, oldSelStart + static_cast<int>(rebuilt.size()) - oldLength));
}
