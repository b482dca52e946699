// The grid's side of drag and drop between programs: a press on the selection that waits for
// a move before it drags or selects, the drop target switched on and off, and what a move
// takes away from the cells dragged out. Private to the grid's drag and drop and mouse files.
#pragma once

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::OleDrag {
 public:
  explicit OleDrag(TExtStringGrid& grid) : g(grid) {}

  // A press on a selected cell (or a header) waits for a move before it drags or selects.
  bool OleDragPress(int ACol, int ARow, int X, int Y);
  // The move of a waiting press: true when it dragged.
  bool OleDragMove(int X, int Y);
  // A waiting press released without a drag selects its cell after all.
  void OleDragRelease();
  // The pressed cell becomes the only one selected; false for a fixed cell or a refusal.
  bool SelectPressedCell();
  void InitOleDragDrop();
  void SetOleDropTargetOn(bool On);
  // What a move takes away from the cells dragged out.
  void RemoveDragged(const TGridRect& R);

 private:
  TExtStringGrid& g;
};
