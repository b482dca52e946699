// The filter condition language of the grid's find and filter: conditions joined by
// operators, each a bound comparison or a wildcard pattern.
#include <string_view>

#include "components/grid/core/GridUtil.h"
#include "platform/core/wildcard.h"

namespace {

constexpr std::string_view kOperators = "&;^|";
constexpr std::size_t kMaxCompared = 255;

bool IsOperator(char c) { return kOperators.find(c) != std::string_view::npos; }

bool Holds(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }

// The condition without the spaces next to an operator.
AnsiString TightenOperators(const AnsiString& condition) {
  AnsiString out;
  bool afterOperator = false;
  for (char c : Trim(condition)) {
    if (c == ' ' && afterOperator) continue;
    afterOperator = IsOperator(c);
    if (afterOperator)
      while (!out.empty() && out.back() == ' ') out.pop_back();
    out += c;
  }
  return out;
}

int Sign(double d) { return (d > 0) - (d < 0); }

// Value against a bound's token: as numbers when both read so, else as dates, else as texts.
int Compare(const AnsiString& value, const AnsiString& token) {
  double a = 0, b = 0;
  if (TryStrToFloat(value, a) && TryStrToFloat(token, b)) return Sign(a - b);
  TDateTime da = 0, db = 0;
  if (StrToDateFmt(value, da) && StrToDateFmt(token, db)) return Sign(da - db);
  return Sign(value.substr(0, kMaxCompared).compare(token.substr(0, kMaxCompared)));
}

// The bound that follows `mark` (">" lower, "<" upper) in the pattern, met by the value?
bool Bound(std::string_view pattern, char mark, const AnsiString& value) {
  std::size_t i = pattern.find(mark) + 1;
  bool orEqual = i < pattern.size() && pattern[i] == '=';
  if (orEqual) ++i;
  while (i < pattern.size() && pattern[i] == ' ') ++i;
  std::size_t end = pattern.find_first_of(" &|", i);
  AnsiString token(pattern.substr(i, end == std::string_view::npos ? end : end - i));
  int cmp = Compare(value, token);
  if (orEqual && cmp == 0) return true;
  return mark == '>' ? cmp > 0 : cmp < 0;
}

}  // namespace

bool Matches(const AnsiString& Pattern, const AnsiString& Value) {
  // Both are zero-terminated texts: anything after a NUL does not count.
  const std::string_view pattern(Pattern.c_str());
  const AnsiString value(Value.c_str());
  const bool hasLower = Holds(pattern, '>'), hasUpper = Holds(pattern, '<');
  const bool negated = Holds(pattern, '!');
  const bool lower = !hasLower || Bound(pattern, '>', value);
  const bool upper = !hasUpper || Bound(pattern, '<', value);
  // With "!" a missing bound counts as given, so that "&" can still join the one there is.
  const bool anyBound = hasLower || hasUpper;
  const bool lowerGiven = hasLower || (negated && anyBound);
  const bool upperGiven = hasUpper || (negated && anyBound);
  if (Holds(pattern, '^') && anyBound) return lower || upper;
  if (Holds(pattern, '&') && lowerGiven && upperGiven) return lower && upper;
  if ((hasLower && lower) || (hasUpper && upper)) return true;

  AnsiString wildcard;
  for (char c : pattern)
    if (c != '!') wildcard += c;
  return MatchWildcard(wildcard, value, false) != negated;
}

bool MatchStr(const AnsiString& Condition, const AnsiString& Value, bool CaseSensitive) {
  if (CaseSensitive) return Matches(Condition, Value);
  return Matches(AnsiUpperCase(Condition), AnsiUpperCase(Value));
}

bool MatchStrEx(const AnsiString& Condition, const AnsiString& Value, bool CaseSensitive) {
  const AnsiString condition = TightenOperators(Condition);
  bool result = false;
  char join = '|';
  std::size_t start = 0;
  for (;;) {
    std::size_t end = condition.find_first_of(kOperators, start);
    bool part = MatchStr(condition.substr(start, end - start), Value, CaseSensitive);
    result = join == '&' ? result && part : result || part;
    if (end == std::string::npos) return result;
    join = condition[end];
    start = end + 1;
  }
}
