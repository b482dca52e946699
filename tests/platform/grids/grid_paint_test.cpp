#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "grid_fixture.h"

namespace {

class GridPaint : public GridFixture {
 protected:
  std::set<std::pair<int, int>> drawn;
  std::map<std::pair<int, int>, TGridDrawState> states;
  void SetUp() override {
    GridFixture::SetUp();
    grid->OnDrawCell = [this](TObject*, int col, int row, TRect, TGridDrawState state) {
      drawn.insert({col, row});
      states[{col, row}] = state;
    };
  }
  QImage Paint() {
    drawn.clear();
    return Client()->grab().toImage();
  }
  // The colour at a client point, as the class library writes colours.
  TColor Pixel(const QImage& image, int x, int y) {
    QRgb rgb = image.pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
  }
};

TEST_F(GridPaint, OnlyTheCellsShownReachDrawCell) {
  grid->SetColCount(100);
  grid->SetRowCount(1000000);
  grid->SetTopRow(500000);
  grid->SetLeftCol(50);
  ShowFocused();
  Paint();
  // The fixed row and column, and the scrolled cells with the partly shown last ones.
  std::vector<int> cols{0}, rows{0};
  for (int col = 50; col <= 50 + grid->GetVisibleColCount(); ++col) cols.push_back(col);
  for (int row = 500000; row <= 500000 + grid->GetVisibleRowCount(); ++row) rows.push_back(row);
  std::set<std::pair<int, int>> expected;
  for (int col : cols)
    for (int row : rows) expected.insert({col, row});
  EXPECT_EQ(drawn, expected);
}

TEST_F(GridPaint, CellsGetTheirStatesAndColours) {
  grid->SetCells(2, 2, "text");
  ShowFocused();
  grid->SetSelection({1, 1, 2, 2});
  QImage image = Paint();
  auto state = [&](int col, int row) { return states[{col, row}]; };
  EXPECT_EQ(state(0, 0), TGridDrawState(gdFixed));
  EXPECT_EQ(state(1, 1), TGridDrawState(gdSelected));
  EXPECT_EQ(state(2, 2), TGridDrawState(gdFocused));  // the current cell shows its focus
  EXPECT_EQ(state(3, 3), TGridDrawState());
  grid->SetOptions(grid->GetOptions() + goDrawFocusSelected);
  image = Paint();
  EXPECT_EQ(state(2, 2), TGridDrawState({gdFocused, gdSelected}));

  TRect selected = grid->CellRect(1, 1);
  TRect plain = grid->CellRect(3, 3);
  TRect fixed = grid->CellRect(0, 2);
  EXPECT_EQ(Pixel(image, selected.Left + 30, selected.Top + 12), ColorToRGB(clHighlight));
  EXPECT_EQ(Pixel(image, plain.Left + 30, plain.Top + 12), ColorToRGB(clWindow));
  EXPECT_EQ(Pixel(image, fixed.Left + 30, fixed.Top + 12), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(image, plain.Right, plain.Top + 5), clSilver);  // the grid line
}

TEST_F(GridPaint, TextShowsAndDefaultDrawingCanBeOff) {
  grid->SetCells(3, 3, "WWW");
  ShowFocused();
  TRect cell = grid->CellRect(3, 3);
  auto inked = [&](const QImage& image) {
    for (int y = cell.Top; y < cell.Bottom; ++y)
      for (int x = cell.Left; x < cell.Right; ++x)
        if (Pixel(image, x, y) != ColorToRGB(clWindow)) return true;
    return false;
  };
  EXPECT_TRUE(inked(Paint()));
  grid->SetDefaultDrawing(false);
  grid->OnDrawCell = [&](TObject*, int, int, TRect rect, TGridDrawState) {
    grid->GetCanvas()->Brush->SetColor(clWindow);
    grid->GetCanvas()->FillRect(rect);
  };
  EXPECT_FALSE(inked(Paint()));
}

TEST_F(GridPaint, ASizingDragShowsItsLineUntilTheRelease) {
  grid->SetOptions(grid->GetOptions() + goColSizing);
  ShowFocused();
  TRect header = grid->CellRect(1, 0);
  Press({header.Right, 5});
  MoveTo({header.Right + 20, 5});
  QImage image = Paint();
  EXPECT_EQ(Pixel(image, header.Right + 20, 100), clBlack);
  Release({header.Right + 20, 5});
  image = Paint();
  EXPECT_NE(Pixel(image, header.Right + 20, 100), clBlack);
  EXPECT_EQ(grid->ColWidths(1), 84);
}

}  // namespace
