// The grid's keyboard with real key events: advancing after Enter, Tab over merged cells,
// Delete and Insert of rows, Home and End by rows, Space on check boxes and the key search.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "key_grid.h"

namespace {

TEST_F(GridKeys, EnterAdvancesLeftToRightAddingARowAtTheEnd) {
  std::vector<int> added;
  grid->OnAutoAddRow = [&](TObject*, int ARow) { added.push_back(ARow); };
  Put(2, 1);
  EnterTwice();
  EXPECT_EQ(Current(), (TGridCoord{3, 1}));
  Put(3, 3);
  EnterTwice();
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));  // wraps without AdvanceInsert
  EXPECT_EQ(grid->GetRowCount(), 4);

  grid->Navigation.AdvanceInsert = true;
  bool canAdd = false;
  grid->OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = canAdd; };
  Put(3, 3);
  EnterTwice();
  EXPECT_EQ(grid->GetRowCount(), 4);
  EXPECT_EQ(Current(), (TGridCoord{3, 3}));
  canAdd = true;
  EnterTwice();
  EXPECT_EQ(grid->GetRowCount(), 5);
  EXPECT_EQ(Current(), (TGridCoord{1, 4}));
  EXPECT_EQ(added, std::vector<int>{4});
}

TEST_F(GridKeys, EnterSkipsAMergedBlockAndAdvancesTopToBottom) {
  grid->MergeCells(1, 1, 2, 1);
  Put(1, 1);
  EnterTwice();
  EXPECT_EQ(Current(), (TGridCoord{3, 1}));

  grid->Navigation.AdvanceDirection = adTopBottom;
  Put(3, 2);
  EnterTwice();
  EXPECT_EQ(Current(), (TGridCoord{3, 3}));
  grid->Navigation.AdvanceInsert = true;
  EnterTwice();  // last cell: a column is added
  EXPECT_EQ(grid->GetColCount(), 5);
  EXPECT_EQ(Current(), (TGridCoord{4, 1}));

  Put(3, 2);
  grid->AdvanceEdit(3, 2, false, false, false);
  EXPECT_EQ(Current(), (TGridCoord{3, 1}));
  grid->AdvanceEdit(3, 1, false, false, false);  // the previous column is the block's
  EXPECT_EQ(Current(), (TGridCoord{2, 3}));
  grid->AdvanceEdit(2, 2, false, false, false);  // into the block: its base cell
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
}

TEST_F(GridKeys, AdvancingStopsInAGridWithoutEditableCells) {
  grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  Put(2, 2);
  grid->AdvanceEdit(2, 2, true, false, true);
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) {
    CanEdit = ACol == 1 && ARow == 1;
  };
  grid->AdvanceEdit(2, 2, true, false, true);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));

  bool refuse = true;
  grid->OnCanEditCell = nullptr;
  grid->OnCellChanging = [&](TObject*, int, int, int, int, bool& Allow) { Allow = !refuse; };
  grid->AdvanceEdit(1, 1, true, false, false);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
}

TEST_F(GridKeys, OneAdvanceAnnouncesItsMoveOnceAndItsRefusalKeepsTheCell) {
  std::vector<std::array<int, 4>> cells;  // old column and row, new column and row
  int rows = 0, cols = 0;
  bool refuse = false;
  grid->OnCellChanging = [&](TObject*, int OldRow, int OldCol, int NewRow, int NewCol,
                             bool& Allow) {
    cells.push_back({OldCol, OldRow, NewCol, NewRow});
    Allow = !refuse;
  };
  grid->OnRowChanging = [&](TObject*, int, int, bool&) { ++rows; };
  grid->OnColChanging = [&](TObject*, int, int, bool&) { ++cols; };
  Put(3, 1);
  cells.clear();
  rows = cols = 0;
  EnterTwice();  // the row's last column: column and row both change
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  EXPECT_EQ(cells, (std::vector<std::array<int, 4>>{{3, 1, 1, 2}}));
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(cols, 1);

  cells.clear();
  refuse = true;
  EnterTwice();
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  EXPECT_EQ(cells, (std::vector<std::array<int, 4>>{{1, 2, 2, 2}}));
  // Moves of other kinds still ask.
  cells.clear();
  refuse = false;
  Key(Qt::Key_Escape);
  Key(Qt::Key_Down);
  EXPECT_EQ(cells, (std::vector<std::array<int, 4>>{{1, 2, 1, 3}}));
}

TEST_F(GridKeys, TabEditStepsOverMergedBlocksAndWrapsRows) {
  grid->SetOptions(grid->GetOptions() + goTabs);
  grid->MergeCells(2, 1, 2, 1);
  Put(1, 1);
  Key(Qt::Key_Tab);  // the plain step onto the block
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  Key(Qt::Key_Tab);  // from the block past its end: the next row
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  grid->TabEdit(true);  // back onto the block's last column: its base cell
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  Put(1, 1);
  grid->TabEdit(true);
  EXPECT_EQ(Current(), (TGridCoord{3, 3}));
  Put(3, 3);
  grid->TabEdit(false);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
}

TEST_F(GridKeys, DeleteRemovesRowsButClearsTheLastDataRow) {
  grid->SetOptions(grid->GetOptions() - goEditing);
  grid->Navigation.AllowDeleteRow = true;
  grid->SetRowCount(3);
  grid->SetCellEx(1, 1, "a");
  grid->SetCellEx(1, 2, "b");
  std::vector<int> deleted;
  grid->OnAutoDeleteRow = [&](TObject*, int ARow) { deleted.push_back(ARow); };
  Put(1, 1);
  Key(Qt::Key_Delete);
  EXPECT_EQ(grid->GetRowCount(), 2);
  EXPECT_EQ(grid->GetCellEx(1, 1), "b");
  Key(Qt::Key_Delete);
  EXPECT_EQ(grid->GetRowCount(), 2);
  EXPECT_EQ(grid->GetCellEx(1, 1), "");
  EXPECT_EQ(deleted, (std::vector<int>{1, 1}));

  grid->OnCanDeleteRow = [](TObject*, int, bool& CanDelete) { CanDelete = false; };
  grid->SetCellEx(1, 1, "c");
  Key(Qt::Key_Delete);
  EXPECT_EQ(grid->GetCellEx(1, 1), "c");
}

TEST_F(GridKeys, InsertAddsARowBeforeOrAfter) {
  grid->SetOptions(grid->GetOptions() - goEditing);
  grid->Navigation.AllowInsertRow = true;
  grid->SetCellEx(1, 2, "x");
  Put(1, 2);
  Key(Qt::Key_Insert);
  EXPECT_EQ(grid->GetRowCount(), 5);
  EXPECT_EQ(grid->GetCellEx(1, 3), "x");
  EXPECT_EQ(grid->GetRow(), 2);
  grid->Navigation.InsertPosition = pInsertAfter;
  Put(1, 3);
  Key(Qt::Key_Insert);
  EXPECT_EQ(grid->GetRowCount(), 6);
  EXPECT_EQ(grid->GetRow(), 4);
}

TEST_F(GridKeys, HomeAndEndGoByRowsAndStopAboveTheFooter) {
  grid->SetRowCount(10);
  grid->Navigation.HomeEndKey = heFirstLastRow;
  grid->SetFixedFooters(1);
  Put(2, 4);
  Key(Qt::Key_End);
  EXPECT_EQ(Current(), (TGridCoord{2, 8}));
  Key(Qt::Key_Home);
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
}

TEST_F(GridKeys, SpaceTogglesACheckBoxWhenTheCellMayBeEdited) {
  grid->AddCheckBox(1, 1, false, false);
  std::vector<bool> states;
  grid->OnCheckBoxClick = [&](TObject*, int, int, bool State) { states.push_back(State); };
  Put(1, 1);
  Key(Qt::Key_Space);
  Key(Qt::Key_Space);
  EXPECT_EQ(states, (std::vector<bool>{true, false}));
  grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  Key(Qt::Key_Space);
  EXPECT_EQ(states.size(), 2u);
}

TEST_F(GridKeys, EnterOntoACheckBoxWorksItLikeAClick) {
  grid->AddCheckBox(3, 1, false, false);
  std::vector<TGridCoord> changes;
  grid->OnCellChanging = [&](TObject*, int, int, int NewRow, int NewCol, bool&) {
    changes.push_back({NewCol, NewRow});
  };
  std::vector<bool> states;
  grid->OnCheckBoxClick = [&](TObject*, int, int, bool State) { states.push_back(State); };
  Put(1, 1);
  changes.clear();
  EnterTwice();  // onto a plain cell
  const size_t plain = changes.size();
  changes.clear();
  EnterTwice();
  EXPECT_EQ(Current(), (TGridCoord{3, 1}));
  EXPECT_EQ(states, std::vector<bool>{true});
  EXPECT_EQ(changes.size(), plain + 1);  // announced once more after the press
  EXPECT_EQ(changes.back(), (TGridCoord{3, 1}));
}

// A grid to look rows up in by typing: no editing, incremental key search, four names.
void SearchNames(KeyGrid* grid) {
  grid->SetOptions(grid->GetOptions() - goEditing);
  grid->Navigation.AutoGotoWhenSorted = true;
  grid->Navigation.AutoGotoIncremental = true;
  grid->SetRowCount(5);
  const char* names[] = {"apple", "banana", "berry", "cherry"};
  for (int r = 1; r <= 4; ++r) grid->SetCellEx(1, r, names[r - 1]);
}

TEST_F(GridKeys, IncrementalSearchFindsRowsAndArrowsClearIt) {
  SearchNames(grid);
  Type("b");
  EXPECT_EQ(grid->GetRow(), 2);
  Type("e");
  EXPECT_EQ(grid->Searched(), "be");
  EXPECT_EQ(grid->GetRow(), 3);
  Type("z");  // nothing found: the row stays
  EXPECT_EQ(grid->GetRow(), 3);
  Key(Qt::Key_Down);
  EXPECT_EQ(grid->Searched(), "");
  Type("c");
  EXPECT_EQ(grid->GetRow(), 4);
  grid->Clear();
  EXPECT_EQ(grid->Searched(), "");
}

TEST_F(GridKeys, KeySearchTakesBackspaceAndOneKeyWhenNotIncremental) {
  SearchNames(grid);
  Type("bx");
  EXPECT_EQ(grid->GetRow(), 2);
  Put(1, 4);
  Key(Qt::Key_Backspace);  // "b" again
  EXPECT_EQ(grid->Searched(), "b");
  EXPECT_EQ(grid->GetRow(), 2);
  grid->Navigation.AutoGotoIncremental = false;
  Type("c");
  EXPECT_EQ(grid->Searched(), "c");
  EXPECT_EQ(grid->GetRow(), 4);
}

}  // namespace
