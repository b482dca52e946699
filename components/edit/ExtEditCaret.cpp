// Places in the value: the decimal separator, the selection of the value, and the two checks
// the float filter makes at the caret.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "components/edit/ExtEdit.h"

namespace {
int DecimalIn(const AnsiString& S) { return Pos(AnsiString(1, DecimalSeparator), S); }
}  // namespace

int TExtEdit::DecimalPos() const {
  AnsiString value = GetText();
  if (int p = DecimalIn(value)) return PrefixLength() + p;
  return static_cast<int>(value.size() + prefix_.size() + suffix_.size()) + 1;
}

int TExtEdit::FixedLength(const AnsiString& S) const {
  AnsiString digits = StripThousandSep(S);
  int p = DecimalIn(digits);
  return p ? p : static_cast<int>(digits.size()) + 1;
}

void TExtEdit::SelectAll() {
  AnsiString value = GetText();
  int start = 0;
  if (ShowURL) {
    if (std::size_t at = value.find("://"); at != AnsiString::npos)
      start = static_cast<int>(at) + 3;
    else if (std::size_t mail = value.find("mailto:"); mail != AnsiString::npos)
      start = static_cast<int>(mail) + 7;
  }
  SetSelStart(PrefixLength() + start);
  SetSelLength(static_cast<int>(value.size()) - start);
}

void TExtEdit::SelectBeforeDecimal() {
  int p = DecimalIn(GetText());
  SetSelStart(PrefixLength() + (p ? p - 1 : 0));
}

void TExtEdit::SelectAfterDecimal() {
  int p = DecimalIn(GetText());
  SetSelStart(PrefixLength() + p);
}

bool TExtEdit::DecimalLimitReached(const AnsiString& Value, int Caret) const {
  const int caret = Caret - PrefixLength();
  const int length = static_cast<int>(Value.size());
  if (precision_ <= 0 || length - caret > precision_) return false;
  int p = DecimalIn(Value);
  return p > 0 && p <= caret && length - p >= precision_;
}

// Walks the thousand separators from the left; each is measured from the caret in what is
// left of the text after the one before it.
bool TExtEdit::SeparatorGroupCheck(const AnsiString& Value, int Caret) const {
  const AnsiString separator(1, ThousandSeparator);
  AnsiString rest = Value;
  int caret = Caret - PrefixLength();
  int smallest = INT_MAX;
  for (int p = Pos(separator, rest); p > 0; p = Pos(separator, rest)) {
    int distance = std::abs(p - caret);
    if (distance < 3) return true;
    smallest = std::min(smallest, distance);
    if (p < caret) caret -= p;
    rest.erase(0, static_cast<std::size_t>(p));
  }
  return smallest != INT_MAX && smallest > 3;
}
