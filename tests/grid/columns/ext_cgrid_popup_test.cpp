#include <gtest/gtest.h>

#include <vector>

#include <QListWidget>

#include "components/grid/columns/ExtCGrid.h"
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

namespace {

class FilterGrid : public TExtColumnGrid {
 public:
  using TExtColumnGrid::GetFilterList;
  using TExtColumnGrid::TExtColumnGrid;
};

// Header "kind" over a, b, a, c in column 2, whose filter offers two entries.
class HeaderFilter : public ShownGrid<FilterGrid> {
 protected:
  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetRowCount(5);
    const char* kinds[] = {"kind", "a", "b", "a", "c"};
    for (int r = 0; r < 5; ++r) grid->SetCells(2, r, kinds[r]);
    TStringList entries;
    entries.Add("Only a=a");
    entries.Add("b|c");
    grid->GetColumns()->GetItem(2)->SetFilter(&entries);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  }
  void ClickHeader(int col, int fromRight) {
    const TRect r = grid->CellRect(col, 0);
    const QPoint at(r.Right - fromRight, r.Top + 5);
    QTest::mousePress(Client(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(Client(), Qt::LeftButton, {}, at);
  }
  // A click on the entry, or Enter on the first one.
  void Choose(int Index) {
    auto* list = static_cast<QListWidget*>(grid->GetFilterList()->Widget());
    if (Index == 0) return QTest::keyClick(list, Qt::Key_Return);
    const QPoint at = list->visualItemRect(list->item(Index)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  }
};

TEST_F(HeaderFilter, TheRightEdgeOfAHeaderWithEntriesOpensTheList) {
  ClickHeader(1, 10);  // no entries
  EXPECT_FALSE(grid->GetFilterList()->GetVisible());
  ClickHeader(2, 30);  // not the edge
  EXPECT_FALSE(grid->GetFilterList()->GetVisible());
  ClickHeader(2, 10);
  ASSERT_TRUE(grid->GetFilterList()->GetVisible());
  EXPECT_EQ(grid->GetFilterList()->GetItems()->GetCommaText(), "\"Only a\",b|c");
  EXPECT_EQ(grid->GetFilterList()->GetItemIndex(), 0);
  EXPECT_EQ(grid->GetFilterList()->GetLeft(), grid->CellRect(2, 0).Left);
  EXPECT_EQ(grid->GetFilterList()->GetWidth(), 200);
  ClickHeader(2, 10);  // the same column again closes it
  EXPECT_FALSE(grid->GetFilterList()->GetVisible());
}

TEST_F(HeaderFilter, ChoosingAnEntryFiltersTheRows) {
  grid->AutoFilterUpdate = true;
  grid->AutoFilterDisplay = true;
  AnsiString named;
  grid->OnFilterSelect = [&](TObject*, int Column, int, const AnsiString& Name, AnsiString& Cond) {
    EXPECT_EQ(Column, 2);
    named = Name;
    EXPECT_EQ(Cond, "b|c");  // an entry without "=" is its own condition
  };
  ClickHeader(2, 10);
  Choose(1);
  EXPECT_FALSE(grid->GetFilterList()->GetVisible());
  EXPECT_EQ(named, "b|c");
  EXPECT_TRUE(grid->GetFilterActive());
  EXPECT_EQ(grid->GetRowCount(), 3);
  EXPECT_EQ(grid->Cells(2, 1), "b");
  EXPECT_EQ(grid->Cells(2, 0), "b|c");  // the header shows the name

  grid->OnFilterSelect = nullptr;
  ClickHeader(2, 10);
  Choose(0);
  EXPECT_EQ(grid->GetRowCount(), 3);  // all rows back, then the a rows kept
  EXPECT_EQ(grid->Cells(2, 2), "a");
  EXPECT_EQ(grid->Filter.GetColFilter(2)->Condition, "a");
  EXPECT_FALSE(grid->Filter.GetColFilter(2)->CaseSensitive);
}

}  // namespace
