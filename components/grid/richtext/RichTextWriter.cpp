// Writing rich text as RTF: the colours in a colour table, every run that is not in the
// default format in a group of its own, a paragraph mark after every paragraph.
#include <algorithm>
#include <cstdio>

#include "components/grid/richtext/RichText.h"

namespace {

class ColorTable {
 public:
  // The entry of a colour; 0, the default entry, for none.
  int Index(TColor color) {
    if (color == clNone || color == clDefault) return 0;
    const TColor rgb = ColorToRGB(color);
    const auto found = std::find(colors_.begin(), colors_.end(), rgb);
    if (found != colors_.end()) return static_cast<int>(found - colors_.begin()) + 1;
    colors_.push_back(rgb);
    return static_cast<int>(colors_.size());
  }
  AnsiString Rtf() const {
    if (colors_.empty()) return {};
    AnsiString rtf = "{\\colortbl ;";
    for (TColor c : colors_)
      rtf += "\\red" + IntToStr(GetRValue(c)) + "\\green" + IntToStr(GetGValue(c)) + "\\blue" +
             IntToStr(GetBValue(c)) + ";";
    return rtf + "}";
  }

 private:
  std::vector<TColor> colors_;
};

AnsiString Escaped(const AnsiString& text) {
  AnsiString rtf;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') {
      rtf += '\\';
      rtf += c;
    } else if (c == '\t') {
      rtf += "\\tab ";
    } else if (byte < 0x20 || byte >= 0x80) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", byte);
      rtf += hex;
    } else {
      rtf += c;
    }
  }
  return rtf;
}

AnsiString RunRtf(const TRichRun& run, ColorTable& colors) {
  const TRichFormat& f = run.Format;
  AnsiString words;
  if (f.Style.Contains(fsBold)) words += "\\b";
  if (f.Style.Contains(fsItalic)) words += "\\i";
  if (f.Style.Contains(fsUnderline)) words += "\\ul";
  if (f.Style.Contains(fsStrikeOut)) words += "\\strike";
  if (f.Size > 0) words += "\\fs" + IntToStr(2 * f.Size);
  if (const int color = colors.Index(f.Color)) words += "\\cf" + IntToStr(color);
  if (words.empty()) return Escaped(run.Text);
  return "{" + words + " " + Escaped(run.Text) + "}";
}

}  // namespace

AnsiString TRichText::GetRTF() const {
  ColorTable colors;
  AnsiString body;
  for (const TRichParagraph& paragraph : paragraphs_) {
    for (const TRichRun& run : paragraph) body += RunRtf(run, colors);
    body += "\\par\r\n";
  }
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0" + colors.Rtf() + "\r\n\\pard " + body + "}";
}
