// The working state of one run of BuildPages: the range, the page, the measures of the fonts,
// the columns' print widths and the strips of columns that go on a page side by side, and where
// the page loop stands. Private to the grid's printing files.
#pragma once

#include <algorithm>
#include <vector>

#include "components/grid/grid/ExtGrid.h"

// The height in 0.1 mm of a font of Size points at Scale; never 0, which would ask for the
// device's default font.
inline int PrintFontHeight(int Size, double Scale) {
  return std::min(-1, -static_cast<int>(Size * 254.0 / 72.0 * Scale));
}

struct TExtStringGrid::PrintPass {
  PrintPass(TCanvas* ACanvas, TPrintMethod AMethod, int AMaxPages, bool ASelectedOnly)
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
