#include "components/grid/html/HTMLStrip.h"

namespace {

bool IsBreakTag(const AnsiString& tag) {
  const AnsiString name = UpperCase(tag);
  return name == "<BR>" || name == "<HR>";
}

}  // namespace

AnsiString HTMLStrip(const AnsiString& Text) {
  AnsiString out;
  out.reserve(Text.size());
  std::size_t at = 0;
  while (at < Text.size()) {
    const std::size_t open = Text.find('<', at);
    const std::size_t close = open == AnsiString::npos ? open : Text.find('>', open);
    if (close == AnsiString::npos) {
      out.append(Text, at, AnsiString::npos);
      break;
    }
    out.append(Text, at, open - at);
    if (IsBreakTag(Text.substr(open, close - open + 1))) out += "\r\n";
    at = close + 1;
  }
  return out;
}
