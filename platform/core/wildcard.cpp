#include "platform/core/wildcard.h"

#include "platform/core/text.h"

namespace {

bool SameChar(char a, char b, bool ignoreCase) {
  return a == b || (ignoreCase && AnsiUpperChar(a) == AnsiUpperChar(b));
}

}  // namespace

bool MatchWildcard(std::string_view pattern, std::string_view text, bool ignoreCase) {
  std::size_t p = 0, t = 0, star = std::string_view::npos, resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = t;
    } else if (p < pattern.size() && (pattern[p] == '?' || SameChar(pattern[p], text[t], ignoreCase))) {
      ++p;
      ++t;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}
