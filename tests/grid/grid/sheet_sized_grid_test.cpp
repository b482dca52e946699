// A grid as large as a worksheet's whole coordinate space with a few cells in use: clearing
// and freeing it let go of every properties object it holds (the address sanitizer's leak
// check catches one lost), and take no sweep over every cell to do it.
#include <gtest/gtest.h>

#include <memory>

#include "components/grid/core/CellGraphic.h"
#include "components/grid/grid/ExtGrid.h"

namespace {

constexpr int kCols = 16384;
constexpr int kRows = 1048576;

// A cell's graphic, freed with the properties object that holds it.
struct NotingGraphic : TCellGraphic {
  explicit NotingGraphic(int& freed) : freed_(freed) {}
  ~NotingGraphic() override { ++freed_; }
  int& freed_;
};

class SheetSizedGrid : public testing::Test {
 protected:
  std::unique_ptr<TExtStringGrid> grid = std::make_unique<TExtStringGrid>(nullptr);
  int made = 0;
  int freed = 0;

  void SetUp() override {
    grid->SetColCountEx(kCols);
    grid->SetRowCountEx(kRows);
    for (const TPoint at :
         {TPoint(0, 0), TPoint(1, 1), TPoint(700, 70000), TPoint(kCols - 1, kRows - 1)}) {
      grid->SetCells(at.x, at.y, "part");
      grid->SetGraphicObjectEx(at.x, at.y, new NotingGraphic(freed));
      ++made;
    }
    grid->MergeCells(3, 80000, 4, 2);
  }
};

TEST_F(SheetSizedGrid, FreeingReleasesObjectsSharedAndBeyondTheCounts) {
  grid->CopyRows(900000, 1);  // (1, 900000) shares the object of (1, 1)
  grid->SetColCountEx(10);
  grid->SetRowCountEx(10);  // the far cells now lie beyond the counts
  grid->SetColCountEx(kCols);
  grid->SetRowCountEx(kRows);
  EXPECT_EQ(grid->GetCellEx(kCols - 1, kRows - 1), "part");
  EXPECT_TRUE(grid->HasCellProperties(kCols - 1, kRows - 1));
  grid->SetRowCountEx(10);
  grid.reset();
  EXPECT_EQ(freed, made);
}

TEST_F(SheetSizedGrid, ClearingLetsGoOfTheObjectsAndKeepsTheSize) {
  grid->ClearCols(kCols - 1, 1);
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(grid->Cells(kCols - 1, kRows - 1), "");
  grid->ClearRows(1, 70000);
  EXPECT_EQ(freed, 3);
  EXPECT_EQ(grid->Cells(0, 0), "part");
  EXPECT_TRUE(grid->IsMergedCell(4, 80001));
  grid->Clear();
  EXPECT_EQ(freed, made);
  for (const TPoint at : {TPoint(0, 0), TPoint(4, 80001), TPoint(700, 70000)}) {
    EXPECT_EQ(grid->Cells(at.x, at.y), "");
    EXPECT_FALSE(grid->HasCellProperties(at.x, at.y));
  }
  EXPECT_EQ(grid->GetColCount(), kCols);
  EXPECT_EQ(grid->GetRowCount(), kRows);
}

}  // namespace
