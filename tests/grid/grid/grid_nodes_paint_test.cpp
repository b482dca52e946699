#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "components/grid/grid/ExtGrid.h"
#include "shown_grid.h"

namespace {

// A list of parts grouped by their kind: a node row before each kind, the first one closed.
class GroupedPicture : public ShownGrid<TExtStringGrid> {
 protected:
  void SetUp() override {
    ShownGrid::SetUp();
    const char* rows[][3] = {{"", "Part", "Kind"},         {"", "R1 10k", "resistor"},
                             {"", "C1 100n", "capacitor"}, {"", "R2 4k7", "resistor"},
                             {"", "C2 10u", "capacitor"},  {"", "R3 1k", "resistor"}};
    grid->SetColCount(3);
    grid->SetRowCount(6);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(1, 140);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 3; ++c) grid->SetCells(c, r, rows[r][c]);
    grid->CellNode.SetShowTree(true);
    grid->Group(2);
    grid->ContractNode(1);  // the capacitors
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  }
  // The node button's box of a row: 8 pixels from 4 pixels into the cell with its grid
  // lines, centred.
  QRect NodeBox(int row) const {
    const TRect cell = grid->CellRect(0, row);
    const int top = cell.Top - 1 + (cell.Height() + 2 - 8) / 2;
    return QRect(cell.Left - 1 + 4, top, 8, 8);
  }
};

// Kept in $KALVENTO_PICTURE_DIR when that is set.
TEST_F(GroupedPicture, NodeButtonsShowWhetherTheirGroupIsOpen) {
  QTemporaryDir temp;
  const char* keep = std::getenv("KALVENTO_PICTURE_DIR");
  const QString path =
      QDir(keep ? QString::fromLocal8Bit(keep) : temp.path()).filePath("nodes.png");
  const QImage image = Render();
  ASSERT_TRUE(image.save(path));

  ASSERT_EQ(grid->GetRowCount(), 6);  // header, capacitor node, resistor node and its 3 rows
  EXPECT_EQ(grid->Cells(1, 1), "capacitor");
  EXPECT_EQ(grid->Cells(1, 2), "resistor");
  const QColor black(Qt::black);
  const QColor silver(0xC0, 0xC0, 0xC0);
  for (int row : {1, 2}) {
    const QRect box = NodeBox(row);
    EXPECT_EQ(image.pixelColor(box.left(), box.top() + 4), black) << row;      // the frame
    EXPECT_EQ(image.pixelColor(box.left() + 2, box.top() + 3), black) << row;  // the minus
  }
  // The closed node's plus has its stroke, the open one's place shows the box colour.
  EXPECT_EQ(image.pixelColor(NodeBox(1).left() + 3, NodeBox(1).top() + 2), black);
  EXPECT_EQ(image.pixelColor(NodeBox(2).left() + 3, NodeBox(2).top() + 2), silver);
  // The tree line runs on past a row inside the open group.
  const TRect child = grid->CellRect(0, 3);
  const int x = child.Left - 1 + 16 - 8;
  EXPECT_EQ(image.pixelColor(x, child.Top + 3), silver);
}

}  // namespace

#include "components/grid/columns/ExtCGrid.h"

namespace {

class HiddenColumnPicture : public ShownGrid<TExtColumnGrid> {};

// Column 1 hidden: display column 1 shows real column 2, whose filter mark it draws.
TEST_F(HiddenColumnPicture, ShownColumnsDrawTheirRealColumns) {
  grid->SetColCount(4);
  const char* headers[] = {"", "Hidden", "Kind", "Price"};
  for (int c = 0; c < 4; ++c) grid->SetCells(c, 0, headers[c]);
  grid->SetCells(2, 1, "resistor");
  TStringList entries;
  entries.Add("R=r*");
  grid->GetColumns()->GetItem(2)->SetFilter(&entries);
  grid->HideColumn(1);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  QTemporaryDir temp;
  const char* keep = std::getenv("KALVENTO_PICTURE_DIR");
  const QString path =
      QDir(keep ? QString::fromLocal8Bit(keep) : temp.path()).filePath("hidden_column.png");
  const QImage image = Render();
  ASSERT_TRUE(image.save(path));

  auto inked = [&](const TRect& r) {
    const QColor background = image.pixelColor(r.Left + 1, r.Bottom - 2);
    for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
      for (int x = r.Left + 2; x < r.Right - 2; ++x)
        if (image.pixelColor(x, y) != background) return true;
    return false;
  };
  const TRect kind = grid->CellRect(1, 0);
  const TRect price = grid->CellRect(2, 0);
  EXPECT_TRUE(inked({kind.Right - 16, kind.Top, kind.Right, kind.Bottom}));  // the filter mark
  EXPECT_FALSE(inked({price.Right - 16, price.Top, price.Right, price.Bottom}));
  EXPECT_TRUE(inked(grid->CellRect(1, 1)));  // "resistor"
  EXPECT_FALSE(inked(grid->CellRect(2, 1)));
}

}  // namespace
