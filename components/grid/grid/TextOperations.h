// The texts of the grid's cells as finding, checking, marking and filling read and change
// them: the range they walk, a change applied to each cell of it, and one cell matched or
// checked. Only the files of those operations include it.
#pragma once

#include <functional>

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::TextOperations {
 public:
  explicit TextOperations(TExtStringGrid& grid) : g(grid) {}

  // The cells of a marking or fill: all, or the normal ones.
  TGridRect CellRange(bool DoFixed) const;
  // Gives each cell of R (inside the grid) the text Change makes of it, a merged block once.
  void ChangeCellTexts(const TGridRect& R,
                       const std::function<AnsiString(const AnsiString&)>& Change);
  void MarkCells(const AnsiString& Text, const AnsiString& Tag, bool DoCase, const TGridRect& R);
  void UnMarkCells(const AnsiString& Tag, const TGridRect& R);
  bool MatchCell(int ACol, int ARow);
  AnsiString CheckText(int ACol, int ARow, const AnsiString& Text, bool Correct, bool Mark);

 private:
  TExtStringGrid& g;
};
