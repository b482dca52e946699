// Where a multi-line edit control of a given width puts each character of a text in the
// canvas's font: lines end at CR LF and wrap before the word that no longer fits; a word
// wider than the line breaks between characters.
#pragma once

#include <vector>

#include "platform/graphics/canvas.h"

class EditLayout {
 public:
  EditLayout(TCanvas& canvas, const AnsiString& text, int width);

  // The top left of character `index` (0-based) relative to the edit's text area;
  // false past the end of the text.
  bool PosFromChar(int index, TPoint& pos) const;

 private:
  struct Line {
    std::size_t start;
    std::size_t end;  // one past the last character shown, line break excluded
  };

  int Width(std::size_t start, std::size_t end) const;
  void WrapParagraph(std::size_t start, std::size_t end);

  TCanvas& canvas_;
  const AnsiString& text_;
  int width_;
  int lineHeight_;
  std::vector<Line> lines_;
};
