// Character-level conversions of cell texts: password masking, collapsing doubled
// characters, the mixed case of names and web addresses.
#include "components/grid/core/GridUtil.h"

namespace {

bool IsWordBreak(char c) { return c == ' ' || c == '\'' || c == ',' || c == '-' || c == '.'; }

// After the text so far (`done`, `total` characters in all): Mc names and a Roman numeral
// at the end capitalise the next letter.
bool CapitaliseNext(const AnsiString& done, int total) {
  const int i = static_cast<int>(done.size());
  if (done == "Mc") return true;
  if (i >= 3 && Pos(" Mc", done) == i - 2) return true;
  return i >= total - 2 && (done.ends_with(" I") || done.ends_with(" II"));
}

}  // namespace

AnsiString StringToPassword(AnsiString& S, char Ch) {
  S.assign(S.size(), Ch);
  return S;
}

AnsiString DoubleToSingleChar(char Ch, const AnsiString& S) {
  if (S.find(Ch) == std::string::npos) return S;
  AnsiString out(1, S[0]);
  for (std::size_t i = 1; i < S.size(); ++i)
    if (S[i] != Ch || out.back() != Ch) out += S[i];
  return out;
}

AnsiString ShiftCase(const AnsiString& S) {
  const int total = static_cast<int>(S.size());
  AnsiString out;
  out.reserve(S.size());
  bool upper = true;
  for (char c : S) {
    if (IsWordBreak(c)) {
      upper = true;
    } else if (upper) {
      c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
      upper = false;
    } else {
      c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
    out += c;
    if (CapitaliseNext(out, total)) upper = true;
  }
  return out;
}

bool IsURL(const AnsiString& S) { return Pos("://", S) > 0 || Pos("mailto:", S) > 0; }

AnsiString StripURLProtocol(AnsiString& S) {
  if (int p = Pos("://", S); p > 0)
    S.erase(0, static_cast<std::size_t>(p) + 2);
  else if (int m = Pos("mailto:", S); m > 0)
    S.erase(0, static_cast<std::size_t>(m) + 6);
  return S;
}

bool CellTextToFloat(const AnsiString& S, double& Value) {
  const AnsiString text = StringReplaceAll(S, AnsiString(1, ThousandSeparator), "");
  Value = 0;
  return text.empty() || TryStrToFloat(text, Value);
}
