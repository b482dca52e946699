// Taking over the owner form's OnResize while the grid lives, and handing it back when the
// grid goes. Only the grid's construction and the form resize file include it.
#pragma once

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::FormResize {
 public:
  explicit FormResize(TExtStringGrid& grid) : g(grid) {}

  void TakeOver();
  void HandBack();

 private:
  TExtStringGrid& g;
};
