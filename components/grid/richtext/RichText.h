// Rich text as the grid keeps it in cells and puts on the clipboard: paragraphs of runs of
// text, each run with its own font style, size and colour, read from and written to RTF. Only
// that much of RTF is understood; fonts, tables, pictures and other destinations are passed
// over, and text that is not RTF at all is read as plain text.
#pragma once

#include <vector>

#include "platform/graphics/color.h"
#include "platform/graphics/font.h"
#include "platform/core/text.h"

struct TRichFormat {
  TFontStyles Style;
  int Size = 0;           // points; 0: the default size
  TColor Color = clNone;  // clNone: the default colour
  bool operator==(const TRichFormat&) const = default;
};

struct TRichRun {
  AnsiString Text;  // no line breaks
  TRichFormat Format;
  bool operator==(const TRichRun&) const = default;
};

using TRichParagraph = std::vector<TRichRun>;

class TRichText {
 public:
  // Never empty: an empty text is one empty paragraph.
  const std::vector<TRichParagraph>& Paragraphs() const { return paragraphs_; }
  void Clear() { paragraphs_.assign(1, {}); }
  // Appends text in one format; CR LF, CR and LF start new paragraphs.
  void Add(const AnsiString& Text, const TRichFormat& Format = {});

  // The paragraphs' texts joined by CR LF.
  AnsiString GetText() const;
  void SetText(const AnsiString& Text) {
    Clear();
    Add(Text);
  }

  // RTF: a text that does not start with "{\rtf" is taken as plain text.
  AnsiString GetRTF() const;
  void SetRTF(const AnsiString& Rtf);

  bool operator==(const TRichText&) const = default;

 private:
  std::vector<TRichParagraph> paragraphs_{1};

  void AddRun(const AnsiString& Text, const TRichFormat& Format);
  void NewParagraph() { paragraphs_.emplace_back(); }
  friend class RtfReader;
};
