// TExtStringGrid: laying a range out on pages. The columns get their print widths (fitted to
// the page when asked), are cut into strips that fit the page side by side, and every strip
// runs through the rows page by page, a page ending where the next row would reach into the
// footer. Counting and drawing take the same path; only drawing touches the canvas's pages.
#include <algorithm>
#include <cmath>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/printing/PrintState.h"
#include "components/grid/grid/printing/Printing.h"
#include "platform/winapi/gdi.h"
#include "platform/winapi/printer.h"

namespace {

// The canvas's font, pen and brush as they were before the pages were built.
class CanvasToolsScope {
 public:
  explicit CanvasToolsScope(TCanvas* Canvas) : canvas_(Canvas) {
    font_.Assign(*Canvas->Font);
    pen_.Assign(*Canvas->Pen);
    brush_.Assign(*Canvas->Brush);
  }
  ~CanvasToolsScope() {
    canvas_->Font->Assign(font_);
    canvas_->Pen->Assign(pen_);
    canvas_->Brush->Assign(brush_);
  }
  CanvasToolsScope(const CanvasToolsScope&) = delete;
  CanvasToolsScope& operator=(const CanvasToolsScope&) = delete;

 private:
  TCanvas* canvas_;
  TFont font_;
  TPen pen_;
  TBrush brush_;
};

bool AtTop(TPrintPosition Pos) { return Pos >= ppTopLeft && Pos <= ppTopCenter; }
bool AtBottom(TPrintPosition Pos) { return Pos >= ppBottomLeft && Pos <= ppBottomCenter; }

int TextHeightOf(TCanvas* Canvas, const TFont& Font, int Height) {
  Canvas->Font->Assign(Font);
  Canvas->Font->SetHeight(Height);
  return Canvas->TextHeight("gh");
}

}  // namespace

int TExtStringGrid::BuildPages(TCanvas* Canvas, TPrintMethod Method, int MaxPages,
                               bool SelectedOnly) {
  return Printing(*this, Canvas, Method, MaxPages, SelectedOnly).BuildPages();
}

int TExtStringGrid::Printing::BuildPages() {
  TCanvas* canvas = P.Canvas;
  const CanvasToolsScope tools(canvas);
  SetMapMode(canvas, MM_LOMETRIC);
  const int screenDpi = GetDeviceCaps(g.GetCanvas(), LOGPIXELSX);
  P.K = 254.0 / (screenDpi > 0 ? screenDpi : 96);
  canvas->Pen->SetColor(clBlack);
  canvas->Pen->SetStyle(g.PrintSettings.BorderStyle);
  canvas->Pen->SetWidth(g.PrintSettings.Borders == pbDouble ? 10 : 2);

  const auto mapped = [&](const TFont* Font) { return MapFontHeight(Font->GetSize()); };
  P.Gap = TextHeightOf(canvas, *g.PrintSettings.GetFont(), mapped(g.PrintSettings.GetFont())) / 8;
  P.HeaderTextHeight = TextHeightOf(canvas, *g.PrintSettings.GetHeaderFont(),
                                    mapped(g.PrintSettings.GetHeaderFont()));
  P.FooterTextHeight = TextHeightOf(canvas, *g.PrintSettings.GetFooterFont(),
                                    mapped(g.PrintSettings.GetFooterFont()));
  P.FromPage = g.d_->print->FromPage;
  P.ToPage = g.d_->print->ToPage;
  P.W = g.d_->print->Output.Width();
  P.H = g.d_->print->Output.Height();

  P.Range = g.d_->print->ClipRange(g.GetColCount(), g.GetRowCount());
  if (P.Range.Left > P.Range.Right || P.Range.Top > P.Range.Bottom) return 0;
  PrintColumnWidths();
  PrintStrips();
  PrintAreas();
  PrintPages();
  return P.Page;
}

void TExtStringGrid::Printing::PrintColumnWidths() {
  const TPrintSettings& ps = g.PrintSettings;
  const TGridRect& range = P.Range;
  P.Widths.assign(static_cast<std::size_t>(g.GetColCount()), 0);
  P.X.assign(static_cast<std::size_t>(g.GetColCount()) + 1, 0);
  P.Spacing = ps.UseFixedWidth ? 0 : ps.ColumnSpacing + 20;
  // The fixed columns are measured too when strips repeat them.
  std::vector<int> columns;
  if (ps.RepeatFixedCols)
    for (int c = 0; c < std::min(g.GetFixedCols(), range.Left); ++c) columns.push_back(c);
  for (int c = range.Left; c <= range.Right; ++c) columns.push_back(c);

  for (const int c : columns) {
    int& width = P.Widths[static_cast<std::size_t>(c)];
    if (ps.NoAutoSize) {
      width = std::max(0, static_cast<int>(std::lround((g.ColWidths(c) - 4) * P.K)));
      continue;
    }
    for (int r = range.Top; r <= range.Bottom; ++r) {
      const int candidate = ps.UseFixedWidth ? ps.FixedWidth : CellTextExtent(c, r).cx;
      if (candidate > width && !g.IsXMergedCell(g.RemapCol(c), r)) width = candidate;
    }
  }

  const auto tableWidth = [&] {
    int64_t sum = 0;
    for (int c = range.Left; c <= range.Right; ++c)
      sum += P.Widths[static_cast<std::size_t>(c)] + P.Spacing;
    return sum;
  };
  if (ps.FitToPage != fpNever) {
    const int64_t f = int64_t{range.Right - range.Left + 1} * P.Spacing;
    const int64_t table = tableWidth();
    double scale = 1;
    if (table != f)
      scale = double(int64_t{P.W} - ps.RightSize - ps.LeftSize - f) / double(table - f);
    if (ps.FitToPage == fpShrink && scale > 1) scale = 1;
    if (ps.FitToPage == fpGrow && scale < 1) scale = 1;
    if (ps.FitToPage == fpCustom && scale != 1) {
      bool allow = true;
      if (g.OnFitToPage) g.OnFitToPage(&g, scale, allow);
      if (!allow) scale = 1;
    }
    // Margins wider than the page leave nothing to fit into.
    if (!(scale > 0) || !std::isfinite(scale)) scale = 1;
    if (scale != 1) {
      for (const int c : columns) {
        int& width = P.Widths[static_cast<std::size_t>(c)];
        width = static_cast<int>(std::min(width * scale, 1e9));
      }
      P.FontScale = scale;
    }
  }
  if (g.OnPrintSetColumnWidth)
    for (int c = range.Left; c <= range.Right; ++c) {
      int& width = P.Widths[static_cast<std::size_t>(c)];
      g.OnPrintSetColumnWidth(&g, c, width);
      width = std::max(0, width);
    }
  for (const int c : columns) g.d_->print->KeepColWidth(c, P.Widths[static_cast<std::size_t>(c)]);
}

// A strip takes columns while they stay within the page's right margin, counted from where
// its first column starts (the left margin, or 0 for a centred table); at least one.
void TExtStringGrid::Printing::PrintStrips() {
  const TPrintSettings& ps = g.PrintSettings;
  const int start = ps.Centered ? 0 : ps.LeftSize;
  const int limit = P.W - ps.RightSize;
  const auto widthOf = [&](int c) {
    return int64_t{P.Widths[static_cast<std::size_t>(c)]} + P.Spacing;
  };
  P.Strips.clear();
  for (int first = P.Range.Left; first <= P.Range.Right;) {
    int64_t running = start + widthOf(first);
    if (ps.RepeatFixedCols && first != P.Range.Left)
      for (int c = 0; c < std::min(g.GetFixedCols(), first); ++c) running += widthOf(c);
    int last = first;
    while (last < P.Range.Right && running + widthOf(last + 1) <= limit)
      running += widthOf(++last);
    P.Strips.push_back({first, last});
    first = last + 1;
  }
}

void TExtStringGrid::Printing::PlaceStrip(int Strip) {
  const TPrintSettings& ps = g.PrintSettings;
  const Pass::Strip strip = P.Strips[static_cast<std::size_t>(Strip)];
  P.StripIndex = Strip;
  P.RepeatCols = ps.RepeatFixedCols && strip.First != P.Range.Left && g.GetFixedCols() > 0;
  const int start = ps.Centered ? 0 : ps.LeftSize;
  int x = start;
  const auto place = [&](int c) {
    P.X[static_cast<std::size_t>(c)] = x;
    x += P.Widths[static_cast<std::size_t>(c)] + P.Spacing;
  };
  // The strip's own columns and the repeated fixed ones, never the whole grid: a wide
  // grid has many strips.
  const auto forPlaced = [&](auto visit) {
    if (P.RepeatCols)
      for (int c = 0; c < std::min(g.GetFixedCols(), strip.First); ++c) visit(c);
    for (int c = strip.First; c <= strip.Last; ++c) visit(c);
  };
  forPlaced(place);
  int shift = 0;
  if (ps.Centered && x - start < P.W) shift = (P.W - (x - start)) / 2;
  forPlaced([&](int c) {
    P.X[static_cast<std::size_t>(c)] += shift;
    g.d_->print->KeepColOffset(c, P.X[static_cast<std::size_t>(c)]);
  });
  P.Left = start + shift;
  P.Right = x + shift;
}

void TExtStringGrid::Printing::PrintAreas() {
  const TPrintSettings& ps = g.PrintSettings;
  const TPrintPosition items[] = {ps.Time, ps.Date, ps.PageNr, ps.Title};
  const bool anyTop = std::any_of(std::begin(items), std::end(items), AtTop);
  const bool anyBottom = std::any_of(std::begin(items), std::end(items), AtBottom);
  const int titleExtra = std::max(0, ps.GetTitleLines()->Count() - 1);
  P.TopArea = ps.HeaderSize;
  if (anyTop) P.TopArea += P.HeaderTextHeight + P.Gap;
  if (AtTop(ps.Title)) P.TopArea += titleExtra * P.HeaderTextHeight;
  P.BottomArea = anyBottom ? 2 * (P.FooterTextHeight + P.Gap) + ps.FooterSize
                           : ps.FooterSize + P.FooterTextHeight + P.Gap;
  if (AtBottom(ps.Title)) P.BottomArea += titleExtra * P.FooterTextHeight;
}

bool TExtStringGrid::Printing::RowPrinted(int ARow) {
  if (!P.SelectedOnly) return true;
  if (g.MouseActions.DisjunctRowSelect) return ARow < g.GetRowCount() && g.GetRowSelect(ARow);
  const TGridRect sel = g.GetSelection();
  return ARow >= sel.Top && ARow <= sel.Bottom;
}

int TExtStringGrid::Printing::NextPrintedRow(int ARow) {
  int row = ARow + 1;
  while (row <= P.Range.Bottom && !RowPrinted(row)) ++row;
  return row;
}

void TExtStringGrid::Printing::PrintPages() {
  const int fixedRows = g.PrintSettings.RepeatFixedRows ? g.GetFixedRows() : 0;
  for (int strip = 0; strip < static_cast<int>(P.Strips.size()); ++strip) {
    PlaceStrip(strip);
    P.PageInStrip = 0;
    StartPrintPage();
    bool pageTop = true;
    int row = NextPrintedRow(P.Range.Top - 1);
    if (row > P.Range.Bottom) EndPrintPage(row);
    while (row <= P.Range.Bottom) {
      if (pageTop && row >= fixedRows)
        for (int r = 0; r < fixedRows; ++r) P.Y -= PrintRow(r, P.Y);
      pageTop = false;
      P.Y -= PrintRow(row, P.Y);
      bool newPage = false;
      if (g.OnPrintNewPage) g.OnPrintNewPage(&g, row, newPage);
      const int next = NextPrintedRow(row);
      if (next > P.Range.Bottom) {
        EndPrintPage(next);
        break;
      }
      // The next row's whole printed height must stay above the footer.
      if (newPage || P.Y - PrintedRowHeight(next) < -P.H + P.BottomArea) {
        EndPrintPage(next);
        StartPrintPage();
        pageTop = true;
      }
      row = next;
    }
  }
}

void TExtStringGrid::Printing::StartPrintPage() {
  ++P.Page;
  ++P.PageInStrip;
  P.TableTop = P.Y = -P.TopArea - g.PrintSettings.TitleSpacing;
  if (!P.Output()) return;
  if (P.ToPrinter && P.PagesOutput > 0) {
    ::Printer()->NewPage();
    SetMapMode(P.Canvas, MM_LOMETRIC);
  }
  ++P.PagesOutput;
  if (g.OnPrintPage) g.OnPrintPage(&g, P.Canvas, P.Page, P.W, P.H);
  PrintHeaderFooter();
}

void TExtStringGrid::Printing::EndPrintPage(int NextRow) {
  if (!P.Output()) return;
  if (g.OnPrintPageDone) g.OnPrintPageDone(&g, P.Canvas, NextRow, P.Y, P.Page, P.W, P.H);
  PrintBorders();
}
