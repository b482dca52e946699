// TExtStringGrid: the header and footer of a printed page: the time, the date, the page
// number and the title at their six positions, the title's further lines under it.
#include <array>

#include "components/grid/ExtGridPrintPass.h"
#include "components/grid/GridUtil.h"
#include "components/grid/HTMLStrip.h"
#include "platform/core/datetime.h"

namespace {

bool AtLeft(TPrintPosition Pos) { return Pos == ppTopLeft || Pos == ppBottomLeft; }
bool AtRight(TPrintPosition Pos) { return Pos == ppTopRight || Pos == ppBottomRight; }
bool AtTop(TPrintPosition Pos) { return Pos >= ppTopLeft && Pos <= ppTopCenter; }

}  // namespace

AnsiString TExtStringGrid::PageNumberText(const PrintPass& P) const {
  const TPrintSettings& ps = PrintSettings;
  if (P.Strips.size() > 1)
    return IntToStr(P.PageInStrip) + "-" + IntToStr(P.StripIndex + 1);
  const AnsiString page = IntToStr(P.Page + ps.PageNumberOffset);
  if (!ps.PageNumSep.empty() && P.MaxPages > 1)
    return page + ps.PageNumSep + IntToStr(P.MaxPages + ps.MaxPagesOffset);
  return page;
}

void TExtStringGrid::PrintHeaderFooter(PrintPass& P) {
  const TPrintSettings& ps = PrintSettings;
  std::array<AnsiString, ppBottomCenter + 1> texts;
  const auto add = [&](TPrintPosition Pos, const AnsiString& Item) {
    if (Pos == ppNone) return;
    AnsiString& text = texts[Pos];
    text = AtLeft(Pos) ? Item + " " + text : text + " " + Item;
  };
  const TDateTime now = Now();
  add(ps.Time, FormatDateTime("hh:nn", now));
  add(ps.Date, FormatDateTime(ps.DateFormat, now));
  add(ps.PageNr, ps.PagePrefix + " " + PageNumberText(P) + " " + ps.PageSuffix);
  // HTML title lines print as their text until the grid draws HTML itself.
  TStringList lines;
  if (ps.TitleText.empty()) {
    const AnsiString all = ps.GetTitleLines()->GetText();
    if (TextType(all, EnableHTML) == ttHTML)
      lines.SetText(HTMLStrip(all));
    else
      lines.Assign(*ps.GetTitleLines());
  }
  if (!ps.TitleText.empty())
    add(ps.Title, ps.TitleText);
  else if (lines.Count() > 0)
    add(ps.Title, lines.Strings(0));

  TCanvas* canvas = P.Canvas;
  const auto textAt = [&](TPrintPosition Pos, int Y, const AnsiString& Text) {
    const int width = canvas->TextWidth(Text);
    const int x = AtLeft(Pos)    ? ps.LeftSize
                  : AtRight(Pos) ? P.W - width - 20 - ps.RightSize
                                 : (P.W - width) / 2;
    canvas->TextOut(x, Y, Text);
  };
  const int mode = canvas->SetBkMode(TRANSPARENT);
  for (int pos = ppTopLeft; pos <= ppBottomCenter; ++pos) {
    const auto at = static_cast<TPrintPosition>(pos);
    const bool title = at == ps.Title && ps.TitleText.empty() && lines.Count() > 0;
    if (texts[at].empty() && !title) continue;
    const TFont* font = AtTop(at) ? ps.GetHeaderFont() : ps.GetFooterFont();
    canvas->Font->Assign(*font);
    canvas->Font->SetHeight(PrintFontHeight(font->GetSize(), 1.0));
    const int y = AtTop(at) ? -ps.HeaderSize
                            : -P.H + P.FooterTextHeight + P.Gap + ps.FooterSize;
    textAt(at, y, texts[at]);
    if (!title) continue;
    const int step = canvas->TextHeight("gh");
    for (int i = 1; i < lines.Count(); ++i) textAt(at, y - i * step, lines.Strings(i));
  }
  canvas->SetBkMode(mode);
}
