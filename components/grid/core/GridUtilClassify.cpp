// What a cell text is (formula, rich text, HTML; integer, float or text), numbers cleaned
// of their separators, and cell names of the form "R<row>C<col>".
#include "components/grid/core/GridUtil.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The characters of a float and the spacing of its thousand separators.
struct FloatScan {
  bool numeric = true;
  bool floating = true;
  int minus = 0;
  int decimals = 0;
  int lastThousand = -1;  // 1-based position of the previous thousand separator

  void Add(char c, int position) {
    bool digitOrMinus = IsDigit(c) || c == '-';
    numeric = numeric && digitOrMinus;
    if (c == ThousandSeparator) {
      floating = floating && position - lastThousand >= 3;
      lastThousand = position;
    } else if (!digitOrMinus && c != DecimalSeparator) {
      floating = false;
    }
    minus += (c == '-');
    decimals += (c == DecimalSeparator);
  }
};

}  // namespace

TTextType TextType(const AnsiString& S, bool HTMLEnabled) {
  const AnsiString text = S + " ";
  if (text.size() <= 1) return ttText;
  if (text[0] == '=') return ttFormula;
  if (text[0] == '{' && text[1] == '\\') return ttRTF;
  if (HTMLEnabled && (Pos("</", text) > 0 || Pos("<B", text) > 0 || Pos("<I", text) > 0))
    return ttHTML;
  return ttText;
}

TAutoType IsType(const AnsiString& S) {
  if (S.empty()) return atString;
  FloatScan scan;
  for (std::size_t i = 0; i < S.size(); ++i) scan.Add(S[i], static_cast<int>(i) + 1);
  if (scan.minus > 1 || scan.decimals > 1) return atString;
  if (scan.numeric) return atNumeric;
  return scan.floating ? atFloat : atString;
}

AnsiString FixDecimalSeparator(const AnsiString& S) {
  AnsiString out = S;
  std::size_t comma = out.find(',');
  if (DecimalSeparator == ',' && comma != std::string::npos) out[comma] = '.';
  return out;
}

AnsiString RemoveSeps(const AnsiString& S) {
  AnsiString text = Trim(S);
  if (text.empty()) return {};
  bool negative = text.front() == '(' && text.back() == ')';
  auto numberStart = [](char c) {
    return IsDigit(c) || c == DecimalSeparator || c == ThousandSeparator;
  };
  while (text.size() >= 2 && !numberStart(text[0])) {
    negative = negative || text[0] == '-';
    text.erase(0, 1);
  }
  AnsiString out;
  for (char c : text) {
    if (c == ThousandSeparator) continue;
    if (c == DecimalSeparator)
      out += '.';
    else if (IsDigit(c) || c == '-' || c == '.')
      out += c;
    else
      break;
  }
  return negative && !out.empty() ? "-" + out : out;
}

bool NameToCell(const AnsiString& Name, TGridCoord& Cell) {
  const AnsiString name = UpperCase(Name);
  if (name.size() < 4 || name[0] != 'R') return false;
  std::size_t c = name.find('C');
  if (c == std::string::npos) return false;
  int row = 0, col = 0;
  if (!TryStrToInt(name.substr(1, c - 1), row) || !TryStrToInt(name.substr(c + 1), col))
    return false;
  Cell.X = col;
  Cell.Y = row;
  return true;
}
