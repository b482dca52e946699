#include "components/grid/html/HTMLAttributes.h"

#include <algorithm>
#include <climits>

AnsiString HTMLAttrValue(const AnsiString& Source, const AnsiString& Upper, const char* Name) {
  const std::size_t at = Upper.find(Name);
  if (at == AnsiString::npos) return {};
  const std::size_t open = Source.find('"', at);
  if (open == AnsiString::npos) return {};
  const std::size_t close = Source.find('"', open + 1);
  return Source.substr(open + 1, close == AnsiString::npos ? AnsiString::npos : close - open - 1);
}

int HTMLNumber(const AnsiString& Value, bool& Valid) {
  std::size_t i = 0;
  const bool negative = i < Value.size() && Value[i] == '-';
  if (negative) ++i;
  long long n = 0;
  Valid = false;
  for (; i < Value.size() && Value[i] >= '0' && Value[i] <= '9'; ++i) {
    Valid = true;
    if (n < INT_MAX) n = n * 10 + (Value[i] - '0');
  }
  n = std::min<long long>(n, kHTMLNumberLimit);
  return static_cast<int>(negative ? -n : n);
}

int HTMLAttrNumber(const AnsiString& Upper, const char* Name, bool& Valid) {
  Valid = false;
  std::size_t at = Upper.find(Name);
  if (at == AnsiString::npos) return 0;
  at += std::char_traits<char>::length(Name);
  while (at < Upper.size() && (Upper[at] == '=' || Upper[at] == ' ')) ++at;
  if (at < Upper.size() && Upper[at] == '"') ++at;
  return HTMLNumber(Upper.substr(at, 12), Valid);
}
