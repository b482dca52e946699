#include <gtest/gtest.h>

#include <QImage>
#include <QPaintEvent>
#include <QScrollBar>
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

namespace {

// The parts of the client area that the window system is asked to paint again.
class PaintedArea : public QObject {
 public:
  explicit PaintedArea(QWidget* client) { client->installEventFilter(this); }
  QRegion area;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) area += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

// Scrolled sideways by its bar's arrow or by the keys, the grid paints the whole client area
// again: the header and the fixed column with the cells, nothing left from before.
TEST_F(GridPaint, ScrollingSidewaysPaintsTheWholeClientArea) {
  grid->SetColCount(30);
  grid->SetRowCount(30);
  ShowFocused();
  QTest::qWait(50);
  PaintedArea painted(Client());
  auto* bar = static_cast<QAbstractScrollArea*>(grid->Widget())->horizontalScrollBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, {bar->width() - 4, bar->height() / 2});
  QTest::qWait(50);
  EXPECT_EQ(grid->GetLeftCol(), 2);
  EXPECT_TRUE(painted.area.contains(Client()->rect()));

  painted.area = {};
  grid->SetCol(grid->GetLeftCol() + grid->GetVisibleColCount() - 1);
  Key(Qt::Key_Right);  // past the last column shown
  QTest::qWait(50);
  EXPECT_EQ(grid->GetLeftCol(), 3);
  EXPECT_TRUE(painted.area.contains(Client()->rect()));
}

}  // namespace
