#include <gtest/gtest.h>

#include <vector>

#include "components/grid/ExtCGrid.h"
#include "shown_grid.h"

namespace {

// A menu that records where it was asked to show instead of showing.
class RecordingMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  std::vector<QPoint> shown;
  void Popup(int X, int Y) override { shown.emplace_back(X, Y); }
};

class ColumnPopup : public ShownGrid<TExtColumnGrid> {
 protected:
  RecordingMenu menu{nullptr};
  int events = 0;

  void SetUp() override {
    ShownGrid::SetUp();
    grid->GetColumns()->GetItem(2)->SetColumnPopup(&menu);
    grid->OnColumnPopup = [this](TObject*, int ACol, int ARow, TPopupMenu* PopupMenu) {
      ++events;
      EXPECT_EQ(ACol, 2);
      EXPECT_EQ(PopupMenu, &menu);
      lastRow = ARow;
    };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  }
  void Click(Qt::MouseButton button, int col, int row) {
    const TRect r = grid->CellRect(col, row);
    QTest::mousePress(Client(), button, {}, QPoint(r.Left + 5, r.Top + 5));
    QTest::mouseRelease(Client(), button, {}, QPoint(r.Left + 5, r.Top + 5));
  }
  QPoint BottomLeft(int col, int row) const {
    const TRect r = grid->CellRect(col, row);
    return Client()->mapToGlobal(QPoint(r.Left, r.Bottom));
  }
  int lastRow = -1;
};

TEST_F(ColumnPopup, ARightClickOnTheHeaderOpensItBelowTheCell) {
  Click(Qt::RightButton, 2, 0);
  ASSERT_EQ(menu.shown.size(), 1u);
  EXPECT_EQ(menu.shown[0], BottomLeft(2, 0));
  EXPECT_EQ(events, 1);
  EXPECT_EQ(lastRow, 0);

  Click(Qt::RightButton, 2, 3);  // a normal cell: the event only
  Click(Qt::LeftButton, 2, 0);   // the other button: nothing
  Click(Qt::RightButton, 3, 0);  // a column without menu: nothing
  EXPECT_EQ(menu.shown.size(), 1u);
  EXPECT_EQ(events, 2);
  EXPECT_EQ(lastRow, 3);
}

TEST_F(ColumnPopup, TheTypeNamesTheButtonAndTheCells) {
  grid->GetColumns()->GetItem(2)->ColumnPopupType = cpNormalCellsLClick;
  Click(Qt::LeftButton, 2, 0);
  EXPECT_TRUE(menu.shown.empty());
  Click(Qt::LeftButton, 2, 3);
  ASSERT_EQ(menu.shown.size(), 1u);
  EXPECT_EQ(menu.shown[0], BottomLeft(2, 3));

  grid->GetColumns()->GetItem(2)->ColumnPopupType = cpAllCellsRClick;
  Click(Qt::RightButton, 2, 0);
  Click(Qt::RightButton, 2, 4);
  Click(Qt::LeftButton, 2, 4);
  EXPECT_EQ(menu.shown.size(), 3u);
  EXPECT_EQ(events, 4);
}

TEST_F(ColumnPopup, AHandlerMayTakeTheMenuAway) {
  grid->OnColumnPopup = [this](TObject*, int, int, TPopupMenu*) {
    grid->GetColumns()->GetItem(2)->SetColumnPopup(nullptr);
  };
  Click(Qt::RightButton, 2, 0);
  EXPECT_TRUE(menu.shown.empty());
}

}  // namespace
