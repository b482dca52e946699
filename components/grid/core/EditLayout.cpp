#include "components/grid/core/EditLayout.h"

EditLayout::EditLayout(TCanvas& canvas, const AnsiString& text, int width)
    : canvas_(canvas), text_(text), width_(width), lineHeight_(canvas.GetTextMetrics().tmHeight) {
  const std::size_t n = text.size();
  std::size_t start = 0;
  for (;;) {
    std::size_t lineBreak = std::min(text.find_first_of("\r\n", start), n);
    WrapParagraph(start, lineBreak);
    if (lineBreak == n) return;
    start = lineBreak + 1;
    if (text[lineBreak] == '\r' && start < n && text[start] == '\n') ++start;
    if (start == n) {
      lines_.push_back({n, n});  // the empty line after a final line break
      return;
    }
  }
}

int EditLayout::Width(std::size_t start, std::size_t end) const {
  return canvas_.TextWidth(text_.substr(start, end - start));
}

void EditLayout::WrapParagraph(std::size_t start, std::size_t end) {
  for (;;) {
    std::size_t fit = start;
    while (fit < end && Width(start, fit + 1) <= width_) ++fit;
    if (fit == end) {
      lines_.push_back({start, end});
      return;
    }
    // Break after the last blank up to the first character that does not fit (that blank
    // may hang past the edge); without one, between characters, at least one per line.
    std::size_t blank = text_.rfind(' ', fit);
    std::size_t lineEnd = blank != std::string::npos && blank >= start ? blank + 1
                                                                       : std::max(fit, start + 1);
    lines_.push_back({start, lineEnd});
    start = lineEnd;
    if (start == end) return;
  }
}

bool EditLayout::PosFromChar(int index, TPoint& pos) const {
  if (index < 0 || static_cast<std::size_t>(index) >= text_.size()) return false;
  const auto i = static_cast<std::size_t>(index);
  std::size_t line = 0;
  while (line + 1 < lines_.size() && lines_[line + 1].start <= i) ++line;
  const Line& l = lines_[line];
  pos = {Width(l.start, std::min(i, l.end)), static_cast<int>(line) * lineHeight_};
  return true;
}
