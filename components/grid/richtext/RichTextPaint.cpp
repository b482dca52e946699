// Rich text laid out one paragraph per line.
#include "components/grid/richtext/RichTextPaint.h"

#include <algorithm>

#include "platform/graphics/font.h"
#include "platform/winapi/gdi.h"

namespace {

void ApplyFormat(TFont& Font, const TFont& Base, const TRichFormat& Format, TColor TextColor) {
  Font.Assign(Base);
  if (!Format.Style.Empty()) Font.SetStyle(Format.Style);
  if (Format.Size > 0) Font.SetSize(Format.Size);
  if (TextColor != clNone)
    Font.SetColor(TextColor);
  else if (Format.Color != clNone)
    Font.SetColor(Format.Color);
}

// Walks the runs: Visit(run, x, top, paragraph height) with x from the paragraph's start;
// returns the overall size. The canvas font carries each run's format while it is visited.
template <typename Visit>
TSize Lay(TCanvas& Canvas, const TRichText& Text, TColor TextColor, Visit visit) {
  TFont base;
  base.Assign(*Canvas.Font);
  TSize size;
  for (const TRichParagraph& paragraph : Text.Paragraphs()) {
    int height = 0;
    for (const TRichRun& run : paragraph) {
      ApplyFormat(*Canvas.Font, base, run.Format, TextColor);
      height = std::max(height, Canvas.TextHeight("Wg"));
    }
    if (paragraph.empty()) height = Canvas.TextHeight("Wg");
    int x = 0;
    for (const TRichRun& run : paragraph) {
      ApplyFormat(*Canvas.Font, base, run.Format, TextColor);
      visit(run, x, size.cy, height);
      x += Canvas.TextWidth(run.Text);
    }
    size.cx = std::max(size.cx, x);
    size.cy += height;
  }
  Canvas.Font->Assign(base);
  return size;
}

}  // namespace

TSize MeasureRichText(TCanvas& Canvas, const TRichText& Text) {
  return Lay(Canvas, Text, clNone, [](const TRichRun&, int, int, int) {});
}

void DrawRichText(TCanvas& Canvas, const TRichText& Text, const TRect& Rect, TColor TextColor) {
  const int saved = SaveDC(&Canvas);
  IntersectClipRect(&Canvas, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
  const int mode = Canvas.SetBkMode(TRANSPARENT);
  Lay(Canvas, Text, TextColor, [&](const TRichRun& run, int x, int top, int height) {
    // Runs of one line share its baseline: a smaller run sits lower.
    const int y = Rect.Top + top + height - Canvas.TextHeight("Wg");
    Canvas.TextOut(Rect.Left + x, y, run.Text);
  });
  Canvas.SetBkMode(mode);
  RestoreDC(&Canvas, saved);
}
