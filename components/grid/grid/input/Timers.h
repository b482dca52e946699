// The steps of the grid timer (the cell under a hovering mouse becomes current, blink tags
// change phase) and wheel panning with the middle button, from its start to its end. Private
// to the grid's input files.
#pragma once

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::Timers {
 public:
  explicit Timers(TExtStringGrid& grid) : g(grid) {}
  void HoverStep();
  void BlinkStep();
  void StartPanning(TPoint Origin);
  void EndPanning();
  void PanStep();

 private:
  TExtStringGrid& g;
};
