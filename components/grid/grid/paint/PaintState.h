// What the grid's painting keeps between paints: the fixed and active-cell fonts, the row
// indicator, the look settings behind their getters, the zoom level, the image list and the
// pictures of HTML text, the sizing lines and the wheel-panning mark shown, the footer panel
// and the scroll bars' state. Private to the grid's files that paint or set the look.
#pragma once

#include <memory>
#include <vector>

#include "components/grid/grid/ExtGrid.h"

struct TExtStringGrid::PaintState {
  std::unique_ptr<TFont> FixedFont = std::make_unique<TFont>();
  std::unique_ptr<TFont> ActiveCellFont = std::make_unique<TFont>();
  std::unique_ptr<TBitmap> RowIndicator = std::make_unique<TBitmap>();
  bool ActiveCellShow = false;
  TColor ActiveCellColor = clGray;
  TPoint XYOffset{2, 2};
  TColor SelectionColor = clHighlight;
  TColor SelectionTextColor = clHighlightText;
  bool ShowSelection = true;
  TVAlignment VAlignment = vtaTop;
  TColor OrvikGradFrom = clSilver;
  TColor OrvikGradTo = clWhite;
  int ZoomLevel = 0;
  TImageList* GridImages = nullptr;  // not owned
  THTMLPictureCache PictureCache;
  TComponentLink<TPictureContainer> PictureContainer;
  std::vector<int> SizingLines;  // the sizing lines shown
  bool IntelliShown = false;
  // Owned by the grid as its child control.
  TFooterPanel* FooterPanel = nullptr;
  bool ScrollProportional = false;
  bool FlatInit = false;  // the flat scroll bars are set up
};
