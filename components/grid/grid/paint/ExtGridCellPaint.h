// The state the steps of painting one cell share (DrawGridCell and its text, border, edge and
// background steps). Private to the grid's painting files.
#pragma once

#include "components/grid/grid/paint/Painting.h"

struct TExtStringGrid::Painting::CellPaint {
  TCanvas* Canvas;
  int Col;  // display column
  int RealCol;
  int Row;
  TRect Rect;  // the working rectangle; the steps move its edges
  TGridDrawState State;
  bool Fixed;
  // The brush and font colour the visual properties gave, put back after the text step.
  TColor Brush = clNone;
  TColor FontColor = clNone;
  // The background the cell shows so far; the text step fills again when its brush differs.
  TColor Shown = clNone;
  TAlignment HAlign = taLeftJustify;
  TVAlignment VAlign = vtaTop;
  TCellGraphic* Graphic = nullptr;
  int GraphicW = 0;
  int GraphicH = 0;
  int GraphicHAlign = 0;
  int GraphicVAlign = 0;
  bool GraphicText = true;
  TColor URLColor = clNone;  // the grid's URLColor, the selection's text colour when selected
};
