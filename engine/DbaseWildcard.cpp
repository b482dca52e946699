// The wildcard match of query criteria: "*" any run of characters, "?" exactly one.
#include "engine/DbaseText.h"

namespace {

AnsiString Lowered(std::string_view text) {
  AnsiString out(text);
  for (char& c : out) c = AnsiLowerChar(c);
  return out;
}

// Backtracks only to the last "*" seen; non-zero (the pattern character reached) on a miss.
int Match(std::string_view p, std::string_view t) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (j < t.size() && (i >= p.size() || p[i] != '*')) {
    if (i >= p.size() || (p[i] != t[j] && p[i] != '?')) return 1;
    ++i;
    ++j;
  }
  std::size_t star = 0;
  std::size_t retry = 0;
  while (j < t.size()) {
    if (i < p.size() && p[i] == '*') {
      if (++i == p.size()) return 0;
      star = i;
      retry = j + 1;
    } else if (i < p.size() && (p[i] == t[j] || p[i] == '?')) {
      ++i;
      ++j;
    } else {
      i = star;
      j = retry++;
    }
  }
  while (i < p.size() && p[i] == '*') ++i;
  if (i == p.size()) return 0;
  return p[i] != '\0' ? static_cast<unsigned char>(p[i]) : 1;
}

}  // namespace

int dbase_wildcardvergleich(std::string_view muster, std::string_view text, int grossklein) {
  if (text.empty()) return 1;
  if (muster.empty()) return 0;
  if (grossklein != 0) return Match(muster, text);
  return Match(Lowered(muster), Lowered(text));
}
