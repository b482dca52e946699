// TExtStringGrid: the header and footer of a printed page: the time, the date, the page
// number and the title at their six positions, the title's further lines under it.
#include <array>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/printing/Printing.h"
#include "platform/core/datetime.h"

namespace {

bool AtLeft(TPrintPosition Pos) { return Pos == ppTopLeft || Pos == ppBottomLeft; }
bool AtRight(TPrintPosition Pos) { return Pos == ppTopRight || Pos == ppBottomRight; }
bool AtTop(TPrintPosition Pos) { return Pos >= ppTopLeft && Pos <= ppTopCenter; }

}  // namespace

AnsiString TExtStringGrid::Printing::PageNumberText() const {
  const TPrintSettings& ps = g.PrintSettings;
  if (P.Strips.size() > 1)
    return IntToStr(P.PageInStrip) + "-" + IntToStr(P.StripIndex + 1);
  const AnsiString page = IntToStr(P.Page + ps.PageNumberOffset);
  if (!ps.PageNumSep.empty() && P.MaxPages > 1)
    return page + ps.PageNumSep + IntToStr(P.MaxPages + ps.MaxPagesOffset);
  return page;
}

void TExtStringGrid::Printing::PrintHeaderFooter() {
  const TPrintSettings& ps = g.PrintSettings;
  std::array<AnsiString, ppBottomCenter + 1> texts;
  const auto add = [&](TPrintPosition Pos, const AnsiString& Item) {
    if (Pos == ppNone) return;
    AnsiString& text = texts[Pos];
    text = AtLeft(Pos) ? Item + " " + text : text + " " + Item;
  };
  const TDateTime now = Now();
  add(ps.Time, FormatDateTime("hh:nn", now));
  add(ps.Date, FormatDateTime(ps.DateFormat, now));
  add(ps.PageNr, ps.PagePrefix + " " + PageNumberText() + " " + ps.PageSuffix);
  // HTML title lines are drawn whole by the renderer beside the position's other items.
  const AnsiString titleText = ps.GetTitleLines()->GetText();
  const bool htmlTitle =
      ps.TitleText.empty() && ps.Title != ppNone && TextType(titleText, g.EnableHTML) == ttHTML;
  const TStrings* lines = ps.GetTitleLines();
  if (!ps.TitleText.empty())
    add(ps.Title, ps.TitleText);
  else if (lines->Count() > 0 && !htmlTitle)
    add(ps.Title, lines->Strings(0));

  TCanvas* canvas = P.Canvas;
  const auto xFor = [&](TPrintPosition Pos, int Width) {
    return AtLeft(Pos)    ? ps.LeftSize
           : AtRight(Pos) ? P.W - Width - 20 - ps.RightSize
                          : (P.W - Width) / 2;
  };
  const int mode = canvas->SetBkMode(TRANSPARENT);
  for (int pos = ppTopLeft; pos <= ppBottomCenter; ++pos) {
    const auto at = static_cast<TPrintPosition>(pos);
    const bool title = at == ps.Title && ps.TitleText.empty() && lines->Count() > 0;
    if (texts[at].empty() && !title) continue;
    const TFont* font = AtTop(at) ? ps.GetHeaderFont() : ps.GetFooterFont();
    canvas->Font->Assign(*font);
    canvas->Font->SetHeight(PrintFontHeight(font->GetSize(), 1.0));
    const int y = AtTop(at) ? -ps.HeaderSize
                            : -P.H + P.FooterTextHeight + P.Gap + ps.FooterSize;
    const int step = canvas->TextHeight("gh");
    const TRect area(0, y, 65535, y - lines->Count() * step - P.Gap);
    const int htmlWidth = title && htmlTitle ? PrintHTML(titleText, area, true).cx : 0;
    const int width = canvas->TextWidth(texts[at]) + htmlWidth;
    const int x = xFor(at, width);
    // The title comes first at the left and last elsewhere, as the items are joined.
    if (!texts[at].empty()) canvas->TextOut(AtLeft(at) ? x + htmlWidth : x, y, texts[at]);
    if (!title) continue;
    if (htmlTitle) {
      const int left = AtLeft(at) ? x : x + width - htmlWidth;
      PrintHTML(titleText, {left, area.Top, left + htmlWidth, area.Bottom}, false);
      continue;
    }
    for (int i = 1; i < lines->Count(); ++i) {
      const AnsiString line = lines->Strings(i);
      canvas->TextOut(xFor(at, canvas->TextWidth(line)), y - i * step, line);
    }
  }
  canvas->SetBkMode(mode);
}
