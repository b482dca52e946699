// The settings of what the grid writes out: the HTML export's table (THTMLSettings) and where
// column widths are kept between runs (TColumnSize). None of them changes the look.
#pragma once

#include <vector>

#include "platform/core/text.h"

struct THTMLSettings {
  bool SaveColor = true;
  bool SaveFonts = true;
  AnsiString FooterFile;
  AnsiString HeaderFile;
  int BorderSize = 1;
  int CellSpacing = 0;
  int CellPadding = 0;
  AnsiString TableStyle;
  AnsiString PrefixTag;
  AnsiString SuffixTag;
  int Width = 100;  // percent
  std::vector<int> ColumnWidths;
  bool XHTML = false;
};

enum TColumnSizeLocation { clRegistry, clIniFile };

struct TColumnSize {
  bool Save = false;
  AnsiString Key;
  AnsiString Section;
  bool Stretch = false;
  int StretchColumn = -1;
  bool SynchWithGrid = false;
  TColumnSizeLocation Location = clRegistry;
};
