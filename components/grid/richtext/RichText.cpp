#include "components/grid/richtext/RichText.h"

void TRichText::Add(const AnsiString& Text, const TRichFormat& Format) {
  std::size_t start = 0;
  while (start <= Text.size()) {
    const std::size_t end = Text.find_first_of("\r\n", start);
    AddRun(Text.substr(start, end - start), Format);
    if (end == std::string::npos) break;
    NewParagraph();
    start = end + (Text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

void TRichText::AddRun(const AnsiString& Text, const TRichFormat& Format) {
  if (Text.empty()) return;
  TRichParagraph& paragraph = paragraphs_.back();
  if (!paragraph.empty() && paragraph.back().Format == Format)
    paragraph.back().Text += Text;
  else
    paragraph.push_back({Text, Format});
}

AnsiString TRichText::GetText() const {
  AnsiString text;
  for (std::size_t p = 0; p < paragraphs_.size(); ++p) {
    if (p > 0) text += "\r\n";
    for (const TRichRun& run : paragraphs_[p]) text += run.Text;
  }
  return text;
}
