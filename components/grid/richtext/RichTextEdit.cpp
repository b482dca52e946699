#include "components/grid/richtext/RichTextEdit.h"

void RichTextToEdit(const TRichText& Text, TRichEdit& Edit) {
  std::vector<TRichSpan> spans;
  for (const TRichParagraph& paragraph : Text.Paragraphs()) {
    if (&paragraph != &Text.Paragraphs().front()) spans.push_back({"\r\n", {}});
    for (const TRichRun& run : paragraph)
      spans.push_back({run.Text, {run.Format.Style, run.Format.Size, run.Format.Color}});
  }
  Edit.SetSpans(spans);
}

TRichText RichTextOfEdit(const TRichEdit& Edit) {
  TRichText text;
  for (const TRichSpan& span : Edit.GetSpans())
    text.Add(span.Text, {span.Attributes.Style, span.Attributes.Size, span.Attributes.Color});
  return text;
}
