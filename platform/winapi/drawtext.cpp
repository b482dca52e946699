#include "platform/winapi/drawtext.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct Line {
  AnsiString text;
  int underline = -1;  // the character an accelerator prefix marks
};

// The text with its "&" prefixes taken out; "&&" stands for one "&".
Line StripPrefixes(const AnsiString& raw, bool keep) {
  if (keep) return {raw};
  Line out;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '&') {
      out.text += raw[i];
      continue;
    }
    if (++i >= raw.size()) break;
    if (raw[i] != '&' && out.underline < 0) out.underline = static_cast<int>(out.text.size());
    out.text += raw[i];
  }
  return out;
}

Line Part(const Line& line, size_t from, size_t count) {
  Line part{line.text.substr(from, count)};
  int u = line.underline - static_cast<int>(from);
  if (u >= 0 && u < static_cast<int>(part.text.size())) part.underline = u;
  return part;
}

// Lines at the text's line breaks; a single line keeps none of them.
std::vector<Line> Paragraphs(const Line& all, bool single) {
  std::vector<Line> out;
  size_t start = 0;
  for (size_t i = 0; i <= all.text.size(); ++i) {
    bool end = i == all.text.size();
    char c = end ? '\0' : all.text[i];
    if (!end && c != '\r' && c != '\n') continue;
    if (single && !end) continue;
    out.push_back(Part(all, start, i - start));
    if (c == '\r' && i + 1 < all.text.size() && all.text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (single) {
    Line& l = out.front();
    for (size_t i = l.text.size(); i-- > 0;)
      if (l.text[i] == '\r' || l.text[i] == '\n') {
        l.text.erase(i, 1);
        if (l.underline > static_cast<int>(i)) --l.underline;
      }
  }
  return out;
}

class Layout {
 public:
  Layout(HDC dc, unsigned format, const DRAWTEXTPARAMS* params)
      : dc_(dc), format_(format), metrics_(dc->GetTextMetrics()) {
    int tabChars = params && params->iTabLength > 0 ? params->iTabLength
                   : (format & DT_TABSTOP)          ? (format >> 8) & 0xFF
                                                    : 8;
    tab_ = std::max(1, tabChars * std::max(1, metrics_.tmAveCharWidth));
  }

  int LineHeight() const {
    return metrics_.tmHeight + (format_ & DT_EXTERNALLEADING ? metrics_.tmExternalLeading : 0);
  }

  // Width of a line whose tabs run to the next tab stop when they expand.
  int Width(const AnsiString& text) const {
    int x = 0;
    ForEachSegment(text, [&](const AnsiString& segment, int at) { x = at + dc_->TextWidth(segment); });
    return x;
  }

  template <typename F>
  void ForEachSegment(const AnsiString& text, F f) const {
    if (!(format_ & DT_EXPANDTABS)) {
      AnsiString plain = text;
      std::replace(plain.begin(), plain.end(), '\t', ' ');
      f(plain, 0);
      return;
    }
    int x = 0;
    size_t start = 0;
    for (size_t tab; (tab = text.find('\t', start)) != AnsiString::npos; start = tab + 1) {
      AnsiString segment = text.substr(start, tab - start);
      f(segment, x);
      x = ((x + dc_->TextWidth(segment)) / tab_ + 1) * tab_;
    }
    f(text.substr(start), x);
  }

  // Breaks a paragraph between words; a word wider than the line breaks between characters
  // under DT_EDITCONTROL and overflows otherwise.
  void Wrap(const Line& paragraph, int width, std::vector<Line>& out) const {
    const AnsiString& t = paragraph.text;
    size_t start = 0;
    for (;;) {
      size_t end = start;
      size_t fit = start;
      while (end < t.size()) {
        size_t word = end;
        while (word < t.size() && t[word] == ' ') ++word;
        while (word < t.size() && t[word] != ' ') ++word;
        if (fit > start && Width(t.substr(start, word - start)) > width) break;
        end = word;
        fit = word;
      }
      if (fit > start && Width(t.substr(start, fit - start)) > width && (format_ & DT_EDITCONTROL))
        fit = start + CharsThatFit(t.substr(start, fit - start), width);
      out.push_back(Part(paragraph, start, fit - start));
      TrimRight(out.back());
      start = fit;
      while (start < t.size() && t[start] == ' ') ++start;
      if (start >= t.size()) break;
    }
  }

  void EndEllipsis(Line& line, int width) const {
    if (Width(line.text) <= width) return;
    while (!line.text.empty() && Width(line.text + "...") > width) line.text.pop_back();
    line.text += "...";
    if (line.underline >= static_cast<int>(line.text.size()) - 3) line.underline = -1;
  }

 private:
  size_t CharsThatFit(const AnsiString& text, int width) const {
    size_t n = 1;
    while (n < text.size() && Width(text.substr(0, n + 1)) <= width) ++n;
    return n;
  }

  static void TrimRight(Line& line) {
    while (!line.text.empty() && line.text.back() == ' ') line.text.pop_back();
  }

  HDC dc_;
  unsigned format_;
  TEXTMETRIC metrics_;
  int tab_;
};

// The rectangle turned so that x and y grow as the device's do: layout happens there, in
// logical units, whatever the mapping mode's directions.
struct Flow {
  int sx;
  int sy;
  TRect ToFlow(const TRect& r) const {
    return NormalizedRect({r.Left * sx, r.Top * sy, r.Right * sx, r.Bottom * sy});
  }
  TRect ToLogical(const TRect& f) const {
    return {f.Left * sx, f.Top * sy, f.Right * sx, f.Bottom * sy};
  }
};

}  // namespace

int DrawText(HDC dc, const char* text, int count, TRect* rect, unsigned format) {
  return DrawTextEx(dc, text, count, rect, format, nullptr);
}

int DrawTextEx(HDC dc, const char* text, int count, TRect* rect, unsigned format,
               DRAWTEXTPARAMS* params) {
  if (!dc || !text || !rect) return 0;
  size_t length = count < 0 ? std::strlen(text) : static_cast<size_t>(count);
  Layout layout(dc, format, params);
  Flow flow{dc->GetMapping().ScaleX() < 0 ? -1 : 1, dc->GetMapping().ScaleY() < 0 ? -1 : 1};
  TRect box = flow.ToFlow(*rect);
  int leftMargin = params ? params->iLeftMargin : 0;
  int rightMargin = params ? params->iRightMargin : 0;
  int width = box.Width() - leftMargin - rightMargin;
  bool single = format & DT_SINGLELINE;

  std::vector<Line> lines;
  for (const Line& p : Paragraphs(StripPrefixes(AnsiString(text, length), format & DT_NOPREFIX), single)) {
    if (format & DT_WORDBREAK && !single)
      layout.Wrap(p, width, lines);
    else
      lines.push_back(p);
  }
  if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
    for (Line& l : lines) layout.EndEllipsis(l, width);
  if (params) params->uiLengthDrawn = static_cast<unsigned>(length);

  int lineHeight = layout.LineHeight();
  int height = lineHeight * static_cast<int>(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const Line& l : lines) widest = std::max(widest, layout.Width(l.text));
    box.Right = box.Left + widest + leftMargin + rightMargin;
    box.Bottom = box.Top + height;
    *rect = flow.ToLogical(box);
    return height;
  }

  int top = box.Top;
  if (single && (format & DT_VCENTER)) top = box.Top + (box.Height() - lineHeight) / 2;
  if (single && (format & DT_BOTTOM)) top = box.Bottom - lineHeight;
  unsigned oldAlign = dc->SetTextAlign(TA_LEFT | TA_TOP);
  unsigned options = format & DT_NOCLIP ? 0u : unsigned{ETO_CLIPPED};
  TRect clip = *rect;
  for (size_t i = 0; i < lines.size(); ++i) {
    int y = top + static_cast<int>(i) * lineHeight;
    if ((format & DT_EDITCONTROL) && i > 0 && y + lineHeight > box.Bottom) break;
    int w = layout.Width(lines[i].text);
    int x = box.Left + leftMargin;
    if (format & DT_CENTER) x = box.Left + leftMargin + (width - w) / 2;
    if (format & DT_RIGHT) x = box.Right - rightMargin - w;
    int underline = lines[i].underline;
    layout.ForEachSegment(lines[i].text, [&](const AnsiString& segment, int at) {
      dc->ExtTextOut((x + at) * flow.sx, y * flow.sy, options, &clip, segment, underline);
      underline -= static_cast<int>(segment.size()) + 1;
    });
  }
  dc->SetTextAlign(oldAlign);
  return single && (format & (DT_VCENTER | DT_BOTTOM)) ? top - box.Top + height : height;
}
