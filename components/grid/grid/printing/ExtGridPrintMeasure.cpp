// TExtStringGrid: measuring for the printed page, in tenths of a millimetre: the print
// fonts, what a cell's text needs, and the rows' heights (the last one kept, since the page
// break, the page-done event and the drawing each ask for it).
#include <algorithm>
#include <cmath>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/printing/Printing.h"
#include "platform/winapi/drawtext.h"

int TExtStringGrid::Printing::MapFontHeight(int Size) const {
  return PrintFontHeight(Size, P.FontScale);
}

int TExtStringGrid::Printing::PrintFont(int RealCol, int ARow, TAlignment& HAlign,
                                        TVAlignment& VAlign) {
  TCanvas* canvas = P.Canvas;
  TGridDrawState state;
  bool wordWrap = g.WordWrap;
  g.GetVisualProperties(RealCol, ARow, state, true, false, false, canvas->Brush, canvas->Font,
                        HAlign, VAlign, wordWrap);
  canvas->Font->SetHeight(MapFontHeight(canvas->Font->GetSize()));
  int angle = 0;
  if (g.IsRotated(RealCol, ARow, angle)) canvas->Font->SetOrientation(angle * 10);
  return angle;
}

// Rich text is drawn by RTFPaint and measured by its plain text.
AnsiString TExtStringGrid::Printing::PrintText(int RealCol, int ARow, TTextType& Type) {
  Type = ttText;
  if (g.HasDataCheckBox(RealCol, ARow)) return "";
  AnsiString text = g.GetCellEx(RealCol, ARow);
  Type = TextType(text, g.EnableHTML);
  switch (Type) {
    case ttFormula:
      return g.CalcCell(RealCol, ARow);
    case ttRTF: {
      TRichText rich;
      g.CellToRich(RealCol, ARow, rich);
      return rich.GetText();
    }
    default:
      return text;
  }
}

TSize TExtStringGrid::Printing::CellTextExtent(int ACol, int ARow) {
  TCanvas* canvas = P.Canvas;
  const int real = g.RemapCol(ACol);
  TTextType type = ttText;
  AnsiString text = PrintText(real, ARow, type);
  TAlignment hAlign;
  TVAlignment vAlign;
  const int angle = PrintFont(real, ARow, hAlign, vAlign);
  if (type == ttHTML) {
    // Fixed widths wrap the text as it will be drawn.
    const int width = g.PrintSettings.NoAutoSize && !g.IsXMergedCell(real, ARow)
                          ? P.Widths[static_cast<std::size_t>(ACol)]
                          : 65535;
    return PrintHTML(text, {0, 0, width, -65535}, true);
  }
  const int graphicWidth =
      g.PrintSettings.PrintGraphics
          ? static_cast<int>(std::lround(g.GetCellGraphicSize(real, ARow).cx * P.K))
          : 0;
  if (text.empty()) text = "gh";

  TSize size;
  int widest = 0;
  if (!(g.WordWrap && g.PrintSettings.NoAutoSize)) {
    int lines = 0;
    AnsiString rest = text;
    do {
      AnsiString line = GetNextLine(rest, true);
      if (g.URLShow && !g.URLFull && IsURL(line)) StripURLProtocol(line);
      widest = std::max(widest, canvas->TextWidth(line));
      ++lines;
    } while (!rest.empty());
    size = {widest + graphicWidth, canvas->TextHeight("gh") * lines};
  } else {
    const int width =
        g.IsXMergedCell(real, ARow) ? 65535 : P.Widths[static_cast<std::size_t>(ACol)];
    TRect r(0, 0, width, 0);
    DrawText(canvas, text.c_str(), static_cast<int>(text.size()), &r,
             DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    widest = width;
    size = {width, std::abs(r.Height())};
  }
  if (angle != 0) {
    const double a = angle * 3.14159265358979323846 / 180.0;
    const auto term = [](double v) { return static_cast<int>(std::lround(std::fabs(v))); };
    size = {term(size.cx * std::cos(a)) + term(size.cy * std::sin(a)),
            term(widest * std::sin(a)) + term(size.cy * std::cos(a))};
  }
  return size;
}

int TExtStringGrid::Printing::PrintRowHeight(int ARow) {
  if (ARow == P.CachedRow) return P.CachedHeight;
  int height = 0;
  if (g.PrintSettings.NoAutoSizeRow) {
    height = std::max(0, static_cast<int>(std::lround((g.RowHeights(ARow) - 4) * P.K)));
  } else if (g.PrintSettings.UseFixedHeight) {
    height = g.PrintSettings.FixedHeight;
  } else if (g.OnPrintSetRowHeight) {
    height = g.PrintSettings.FixedHeight;
    g.OnPrintSetRowHeight(&g, ARow, height);
  } else {
    for (int c = P.Range.Left; c <= P.Range.Right; ++c)
      if (!g.IsYMergedCell(g.RemapCol(c), ARow))
        height = std::max(height, CellTextExtent(c, ARow).cy);
  }
  P.CachedRow = ARow;
  P.CachedHeight = height;
  return height;
}

// What a row takes on the page: its text with an eighth more, the gaps above and below and
// the row spacing.
int TExtStringGrid::Printing::PrintedRowHeight(int ARow) {
  const int h = PrintRowHeight(ARow);
  return std::max(0, h + h / 8 + 2 * P.Gap + g.PrintSettings.RowSpacing);
}

int TExtStringGrid::MaxLinesInRow(int ARow) {
  if (!Multilinecells) return 1;
  int lines = 1;
  for (int c = 0; c < GetColCount(); ++c)
    lines = std::max(lines, LinesInText(GetCellEx(RemapCol(c), ARow), true));
  return lines;
}

int TExtStringGrid::MaxLinesInGrid() {
  int lines = 1;
  for (int r = 0; r < GetRowCount() && Multilinecells; ++r)
    lines = std::max(lines, MaxLinesInRow(r));
  return lines;
}
