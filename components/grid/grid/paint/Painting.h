// The steps that paint the grid on the screen: a cell's visual properties, its text, borders,
// edges, background picture and graphic, the check boxes, radio groups, buttons and marks drawn
// in cells, and the marks drawn over the cells. Printing and editing borrow a few of them (the
// cell's font, the HTML settings, a cell graphic's drawing). Private to the grid's files.
#pragma once

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::Painting {
 public:
  explicit Painting(TExtStringGrid& grid) : g(grid) {}

  struct CellPaint;  // paint/ExtGridCellPaint.h

  // Visual properties and cell layout
  void ApplyBands(int ACol, int ARow, bool Print, TBrush* ABrush);
  void ApplySelection(int ACol, int ARow, TGridDrawState& AState, bool Select, TBrush* ABrush,
                      TFont* AFont);

  // Cell painting
  bool SortIndicatorShows(int ACol, int ARow);
  void DrawCellText(CellPaint& P);
  void SelectCellColors(CellPaint& P);
  void DrawPlainText(CellPaint& P, AnsiString Text, TRect R);
  void DrawHTMLText(CellPaint& P, const AnsiString& Text, TRect R);
  // The renderer's settings for this grid's HTML text, links in LinkColor.
  THTMLDrawParams HTMLParams(TColor LinkColor);
  // The grid's canvas in the font and brush the cell is drawn with (ACol a display column).
  TCanvas* CanvasInCellFont(int ACol, int ARow, bool Select = true);
  void DrawFilterGlyph(CellPaint& P);
  void DrawSelectionRectangle(CellPaint& P);
  void DrawCellBorders(CellPaint& P);
  void DrawFixedEdges(CellPaint& P);
  void DrawBackgroundPicture(CellPaint& P);
  void DrawBackgroundPictureCell(CellPaint& P);
  void DrawFocusRectangle(CellPaint& P);
  void DrawTreeLines(CellPaint& P);
  void DrawCellGraphic(CellPaint& P);
  void DrawNodeButton(CellPaint& P);
  void PaintOverlays();

  // Drawing of cell graphics and controls
  int CellTextWidth(CellPaint& P);
  TRect GraphicRect(const CellPaint& P, int TextWidth);
  void DrawGraphicObject(CellPaint& P, const TRect& R);
  void DrawGridImage(TCanvas* Canvas, int X, int Y, int Index);
  void DrawImages(CellPaint& P, const TRect& R);
  void DrawCheckBox(CellPaint& P, TRect R, int TextWidth);
  void DrawRadioGroup(CellPaint& P);
  void DrawRotated(CellPaint& P);
  void DrawProgress(CellPaint& P);
  void DrawComment(CellPaint& P);
  void DrawButton(CellPaint& P, const TRect& R);
  void DrawRadioButton(TCanvas* Canvas, TColor Background, bool On, bool Enabled, const TRect& R);
  int RadioButtonSize() const;

 private:
  TExtStringGrid& g;
};
