#include "platform/grids/cell_texts.h"

#include <gtest/gtest.h>

#include <vector>

// Slots of a shared array hold their texts however the others and the maker end; the
// sanitizers see any text read after it went and any memory left behind.
TEST(CellTexts, SlotsOfASharedArrayOutliveEachOtherAndTheirMaker) {
  const std::string longText(40, 'x');
  std::vector<CellTexts> held;
  {
    SharedCellTexts room(4, 3);
    for (int r = 0; r < 3; ++r) held.push_back(room.Take());  // one slot never taken
    for (int r = 0; r < 3; ++r) held[r][2] = longText + char('a' + r);
    held[1].reset();  // let go while the maker and the others stand
  }
  EXPECT_EQ(held[0][2], longText + 'a');
  EXPECT_EQ(held[0][0], "");
  held[0].reset();
  EXPECT_EQ(held[2][2], longText + 'c');  // the last slot keeps the array
  held[2].reset();

  {
    SharedCellTexts room(2, 1);
    CellTexts first = room.Take();
    CellTexts second = room.Take();
    CellTexts beyond = room.Take();  // more than made: an array of its own
    first.reset();
    second.reset();  // every slot gone before the maker
    beyond[0] = longText;
  }
  CellTexts own = NewCellTexts(0);  // no texts at all
  EXPECT_NE(own.get(), nullptr);
}
