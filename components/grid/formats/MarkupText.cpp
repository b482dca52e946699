#include "components/grid/formats/MarkupText.h"

namespace {

constexpr std::size_t kMaxShown = 255;

// The Unicode character of a Windows-1252 byte, through its UTF-8 form.
int CodePoint(char Ch) {
  const std::string utf8 = AnsiToUtf8(AnsiString(1, Ch));
  if (utf8.size() == 1) return static_cast<unsigned char>(utf8[0]);
  int value = static_cast<unsigned char>(utf8[0]) & (utf8.size() == 2 ? 0x1F : 0x0F);
  for (std::size_t i = 1; i < utf8.size(); ++i)
    value = (value << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
  return value;
}

AnsiString Link(const AnsiString& Text, const AnsiString& Shown) {
  return "<a href=\"" + StringReplaceAll(Text, "\"", "&quot;") + "\">" + Shown + "</a>";
}

}  // namespace

AnsiString XMLEscape(const AnsiString& Text) {
  AnsiString out;
  out.reserve(Text.size());
  for (char ch : Text) {
    const auto byte = static_cast<unsigned char>(ch);
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        if (byte >= 0x80 && byte <= 0x9F)
          out += "&#" + IntToStr(CodePoint(ch)) + ";";
        else
          out += ch;
    }
  }
  return out;
}

AnsiString MakeHRef(const AnsiString& Text, bool Full) {
  if (Text.find("</") != std::string::npos) return Text;
  for (const char* mark : {"mailto:", "://"}) {
    const std::size_t at = Text.find(mark);
    if (at == std::string::npos) continue;
    return Link(Text,
                Full ? Text : Text.substr(at + std::char_traits<char>::length(mark), kMaxShown));
  }
  return Text;
}
