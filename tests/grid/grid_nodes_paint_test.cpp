#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "components/grid/ExtGrid.h"
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
