#include "components/grid/formats/TextColumns.h"

std::vector<AnsiString> TextLinesOf(const AnsiString& Text, bool Multi) {
  std::vector<AnsiString> lines;
  std::size_t pos = 0;
  do {
    std::size_t cr = Text.find('\r', pos);
    if (cr == std::string::npos) cr = Text.size();
    lines.emplace_back(Text, pos, cr - pos);
    pos = cr + 1;
    if (pos < Text.size() && Text[pos] == '\n') ++pos;
  } while (Multi && pos < Text.size());
  return lines;
}

int LongestLine(const AnsiString& Text, bool Multi) {
  std::size_t longest = 0;
  for (const AnsiString& line : TextLinesOf(Text, Multi)) longest = std::max(longest, line.size());
  return static_cast<int>(longest);
}

AnsiString FitToWidth(const AnsiString& Text, int Width) {
  const std::size_t width = Width > 0 ? static_cast<std::size_t>(Width) : 0;
  if (Text.size() >= width) return Text.substr(0, width);
  return Text + AnsiString(width - Text.size(), ' ');
}

AnsiString AlignInWidth(const AnsiString& Text, int Width, TAlignment Alignment) {
  const std::size_t width = Width > 0 ? static_cast<std::size_t>(Width) : 0;
  if (Alignment == taLeftJustify || Text.size() >= width) return Text;
  const std::size_t missing = width - Text.size();
  if (Alignment == taRightJustify) return AnsiString(missing, ' ') + Text;
  const std::size_t each = (missing + 1) / 2;
  return AnsiString(each, ' ') + Text + AnsiString(each, ' ');
}
