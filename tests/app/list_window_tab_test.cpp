// The list window by the keyboard: it opens with the focus on the grid, so the paging keys
// page at once, and Tab goes on through the scroll bar and the buttons to the chooser and the
// tabs above the grid.
#include "ListWindowTest.h"
#include "focus_marks.h"
#include "tab_walk.h"

namespace {

class ListWindowKeys : public ListWindow {
 protected:
  // The list as the main window's button shows it: the focus is where the window puts it.
  void ShowAsOpened() {
    list.Show();
    list.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list.Widget()));
  }
  NamedControls Controls() {
    return {NAMED(list, cboAusgabe),        NAMED(list, PageControl1),   NAMED(list, grdAusgabe),
            NAMED(list, scrAusgabe),        NAMED(list, btnSelektieren), NAMED(list, btnBearbeiten),
            NAMED(list, btnNeuerDatensatz), NAMED(list, btnLoeschen),    NAMED(list, btnDrucken),
            NAMED(list, btnSpezial),        NAMED(list, Button1),        NAMED(list, btnOK)};
  }
};

// A second saved query in the chooser: a paging key that reached the chooser would run it.
TEST_F(ListWindowKeys, PagingKeysPageTheGridAsSoonAsTheListOpens) {
  ASSERT_EQ(dbase_open("teile.dbf"), 1);
  SaveQuery("zweite.dba", "teile.dbf");
  dbase_close();
  ShowAsOpened();
  ASSERT_EQ(list.cboAusgabe->GetItems()->Count(), 2);
  EXPECT_EQ(FocusedName(Controls()), "grdAusgabe");
  Key(Qt::Key_PageDown);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(list.scrAusgabe->GetPosition(), 22);
  EXPECT_EQ(Cell(1, 1), "Teil 22");
  EXPECT_EQ(list.cboAusgabe->GetText(), "alle.dba");
  EXPECT_EQ(Hits(), "30");
}

TEST_F(ListWindowKeys, TabGoesFromTheGridThroughTheButtonsToTheChooser) {
  ShowAsOpened();
  const std::vector<std::string> order = {"grdAusgabe",    "scrAusgabe",        "btnSelektieren",
                                          "btnBearbeiten", "btnNeuerDatensatz", "btnLoeschen",
                                          "btnDrucken",    "btnSpezial",        "Button1",
                                          "btnOK",         "cboAusgabe",        "PageControl1"};
  EXPECT_EQ(TabWalk(Controls()), order);
}

// The scroll bar and the buttons showed nothing when a user tabbed to them.
TEST_F(ListWindowKeys, EveryTabStopShowsThatItHasTheFocus) {
  ShowAsOpened();
  EXPECT_EQ(UnmarkedStops(list, Controls(), "list-window-focus.png"), std::vector<std::string>{});
}

// Closed with the focus on the chooser, the list opens on the grid again.
TEST_F(ListWindowKeys, EveryShowingStartsOnTheGrid) {
  ShowAsOpened();
  list.cboAusgabe->SetFocus();
  list.Close();
  ShowAsOpened();
  EXPECT_EQ(list.GetActiveControl(), list.grdAusgabe);
}

}  // namespace
