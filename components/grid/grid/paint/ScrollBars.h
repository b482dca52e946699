// The grid's scroll bars: their flat look switched on and off and brought up to date, and the
// thumb hints and scrolling along while a thumb is dragged. Private to ExtGridScrollBars.cpp.
#pragma once

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::ScrollBars {
 public:
  explicit ScrollBars(TExtStringGrid& grid) : g(grid) {}

  bool FlatInit();
  void FlatDone();
  void FlatUpdate();
  void ScrollHint(bool Vertical, int Line);
  void ThumbTracking(bool Vertical, const TWMScroll& Message);
  void EndScrollHint();

 private:
  TExtStringGrid& g;
};
