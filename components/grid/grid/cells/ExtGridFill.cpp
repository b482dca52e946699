// TExtStringGrid: filling the cells with one text or with random numbers.
#include <random>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/TextOperations.h"

void TExtStringGrid::TextFill(bool DoFixed, const AnsiString& Text) {
  TextOperations texts(*this);
  texts.ChangeCellTexts(texts.CellRange(DoFixed), [&Text](const AnsiString&) { return Text; });
  CellsLoaded();
}

void TExtStringGrid::RandomFill(bool DoFixed, int Max) {
  static std::mt19937 random{std::random_device{}()};
  // No number lies below a maximum of 0 or less.
  std::uniform_int_distribution<int> number(0, Max > 0 ? Max - 1 : 0);
  TextOperations texts(*this);
  texts.ChangeCellTexts(texts.CellRange(DoFixed),
                        [&number](const AnsiString&) { return IntToStr(number(random)); });
  CellsLoaded();
}
