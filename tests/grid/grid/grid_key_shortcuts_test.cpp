// The grid's shortcut keys with real key events: the clipboard keys ask their events first,
// Ctrl+A selects the navigable cells only, and arrows open the editor with AlwaysEdit.
#include <gtest/gtest.h>

#include <QClipboard>

#include "key_grid.h"

namespace {

TEST_F(GridKeys, ClipboardKeysRunOnlyWhatTheirEventsAllow) {
  grid->Navigation.AllowClipboardShortCuts = true;
  grid->SetCellEx(1, 1, "x");
  Put(1, 1);
  QApplication::clipboard()->setText("before");
  bool allow = false;
  grid->OnClipboardCopy = [&](TObject*, bool& Allow) { Allow = allow; };
  grid->OnClipboardCut = [&](TObject*, bool& Allow) { Allow = allow; };
  Key(Qt::Key_C, Qt::ControlModifier);
  Key(Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "before");
  EXPECT_EQ(grid->GetCellEx(1, 1), "x");

  allow = true;
  Key(Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("x"));
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(grid->GetCellEx(1, 1), "");
  Put(2, 2);
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(grid->GetCellEx(2, 2), "x");
}

TEST_F(GridKeys, CtrlASelectsTheNavigableCellsOfARowSelectGrid) {
  grid->SetOptions(grid->GetOptions() - goEditing + goRowSelect + goRangeSelect);
  grid->SetRowCount(6);
  grid->SetFixedFooters(1);
  Put(1, 2);
  Key(Qt::Key_A, Qt::ControlModifier);
  const TGridRect selection = grid->GetSelection();
  EXPECT_EQ(selection.Left, 1);
  EXPECT_EQ(selection.Top, 1);
  EXPECT_EQ(selection.Right, 3);
  EXPECT_EQ(selection.Bottom, 4);
}

TEST_F(GridKeys, ArrowsOpenTheEditorWithAlwaysEdit) {
  Put(1, 1);
  Key(Qt::Key_Right);
  EXPECT_FALSE(grid->GetEditorMode());
  grid->Navigation.AlwaysEdit = true;
  Key(Qt::Key_Down);
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  EXPECT_TRUE(grid->GetEditorMode());
}

}  // namespace
