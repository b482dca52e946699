// A print run of the grid: the steps that lay a range out on pages and draw them, and the
// working state of the run. Private to the grid's printing files.
#pragma once

#include <algorithm>
#include <vector>

#include "components/grid/grid/ExtGrid.h"

// The height in 0.1 mm of a font of Size points at Scale; never 0, which would ask for the
// device's default font.
inline int PrintFontHeight(int Size, double Scale) {
  return std::min(-1, -static_cast<int>(Size * 254.0 / 72.0 * Scale));
}

class TExtStringGrid::Printing {
 public:
  // The working state of one run of BuildPages: the range, the page, the measures of the
  // fonts, the columns' print widths and the strips of columns that go on a page side by side,
  // and where the page loop stands.
  struct Pass {
    Pass(TCanvas* ACanvas, TPrintMethod AMethod, int AMaxPages, bool ASelectedOnly)
        : Canvas(ACanvas), Method(AMethod), MaxPages(AMaxPages), SelectedOnly(ASelectedOnly) {}

    TCanvas* Canvas;
    TPrintMethod Method;
    int MaxPages;
    bool SelectedOnly;
    bool ToPrinter = false;  // pages go to the program's printer (NewPage between them)
    TGridRect Range{};       // the range laid out, within the grid

    int W = 0;  // the page, y of its bottom is -H
    int H = 0;
    double K = 1;  // screen pixels into 0.1 mm
    double FontScale = 1;
    int Gap = 0;  // the cell font's text height / 8, around header and footer lines
    int HeaderTextHeight = 0;
    int FooterTextHeight = 0;
    int TopArea = 0;
    int BottomArea = 0;
    int Spacing = 0;  // added to every column's width

    // Print widths and x positions by display column (0 for columns outside the range).
    std::vector<int> Widths;
    std::vector<int> X;
    struct Strip {
      int First;
      int Last;
    };
    std::vector<Strip> Strips;
    int StripIndex = 0;
    bool RepeatCols = false;  // the strip repeats the fixed columns at its left
    int Left = 0;             // the strip's left and right edges, fixed columns included
    int Right = 0;

    int Page = 0;         // the page being laid out, from 1 over all strips
    int PageInStrip = 0;  // from 1 in each strip
    int PagesOutput = 0;
    int TableTop = 0;
    int Y = 0;

    int CachedRow = -1;
    int CachedHeight = 0;

    int FromPage = 1;  // the pages drawn
    int ToPage = 1;

    bool Drawing() const { return Method == prPrint || Method == prPreview; }
    // The page being laid out is drawn.
    bool Output() const { return Drawing() && Page >= FromPage && Page <= ToPage; }
  };

  Printing(TExtStringGrid& grid, TCanvas* Canvas, TPrintMethod Method, int MaxPages,
           bool SelectedOnly)
      : g(grid), P(Canvas, Method, MaxPages, SelectedOnly) {}

  // The ways in (ExtGridPrint.cpp), which start the runs.
  // The output rectangle of a canvas's device rectangle, whose corner becomes the origin.
  static void SetPrintOutput(TExtStringGrid& g, TCanvas* Canvas, const TRect& DeviceRect);
  static void PrivatePrintRect(TExtStringGrid& g, const TGridRect& GridRect, bool SelectedOnly);
  static void PrivatePrintPreviewRect(TExtStringGrid& g, TCanvas* Canvas, TRect DisplayRect,
                                      const TGridRect& GridRect, bool SelectedOnly);

  // Lays the range out on pages and, for prPrint and prPreview, draws the pages to output;
  // answers the number of pages.
  int BuildPages();
  int MapFontHeight(int Size) const;
  // The canvas takes the cell's print font at the pass's scale; answers the rotation angle.
  int PrintFont(int RealCol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
  // The text a cell prints and its kind: rich text is drawn by RTFPaint, HTML by PrintHTML.
  AnsiString PrintText(int RealCol, int ARow, TTextType& Type);
  // Draws (or only measures) HTML text in R of the page in the canvas's font; answers its
  // extent in 0.1 mm.
  TSize PrintHTML(const AnsiString& Text, const TRect& R, bool MeasureOnly);
  TSize CellTextExtent(int ACol, int ARow);
  int PrintRowHeight(int ARow);
  int PrintedRowHeight(int ARow);
  void PrintColumnWidths();
  void PrintStrips();
  void PlaceStrip(int Strip);
  void PrintAreas();
  bool RowPrinted(int ARow);
  int NextPrintedRow(int ARow);
  void PrintPages();
  void StartPrintPage();
  void EndPrintPage(int NextRow);
  int PrintRow(int ARow, int Y);
  void PrintCell(int ACol, int ARow, int X, int Y, int RowHeight);
  void PrintCellLines(int RealCol, int ARow, const TRect& R, bool BottomCut);
  // Draws the cell's graphic in its text rectangle R and moves R's edge aside from one before
  // or after the text; false when the graphic stands for the text (radio groups, progress).
  bool PrintCellGraphic(int RealCol, int ARow, TRect& R, TAlignment HAlign);
  // Check boxes, radio groups, buttons, progress bars and image-list images, drawn by the
  // screen's steps in screen pixels on the page; answers their width in 0.1 mm.
  int PrintCellControl(int RealCol, int ARow, const TRect& R, TAlignment HAlign, bool& TextShows);
  void PrintBorders();
  AnsiString PageNumberText() const;
  void PrintHeaderFooter();

 private:
  TExtStringGrid& g;
  Pass P;
};
