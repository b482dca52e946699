// The grid's mouse with real mouse events: header clicks that sort, anchors and cell links,
// radio groups, check boxes, buttons and nodes in cells, auto-sizing by a double click and
// moving columns.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/controls/PopupButton.h"
#include "components/grid/grid/dragdrop/esgdd.h"
#include "drag_script.h"
#include "platform/controls/shell.h"
#include "shown_grid.h"
#include "window_double_click.h"

namespace {

class GridMouse : public ShownGrid<TExtStringGrid> {
 protected:
  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetColCount(4);
    grid->SetRowCount(5);
    ShowFocused();
  }
  void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(Client(), Qt::LeftButton, modifiers, at);
  }
  std::vector<AnsiString> Column(int col) {
    std::vector<AnsiString> texts;
    for (int r = 1; r < grid->GetRowCount(); ++r) texts.push_back(grid->GetCellEx(col, r));
    return texts;
  }
};

TEST_F(GridMouse, HeaderClicksSortAndToggleTheDirection) {
  const char* names[] = {"c", "a", "d", "b"};
  for (int r = 1; r <= 4; ++r) {
    grid->SetCellEx(1, r, names[r - 1]);
    grid->SetCellEx(2, r, AnsiString(1, static_cast<char>('0' + r)));
  }
  grid->SortSettings.SetShow(true);
  std::vector<int> sorted;
  grid->OnClickSort = [&](TObject*, int ACol) { sorted.push_back(ACol); };
  Click(At(1, 0, 20));
  EXPECT_EQ(Column(1), (std::vector<AnsiString>{"a", "b", "c", "d"}));
  Click(At(1, 0, 20));
  EXPECT_EQ(Column(1), (std::vector<AnsiString>{"d", "c", "b", "a"}));
  Click(At(2, 0, 20));
  EXPECT_EQ(Column(2), (std::vector<AnsiString>{"1", "2", "3", "4"}));
  EXPECT_EQ(grid->SortSettings.GetDirection(), sdAscending);
  EXPECT_EQ(sorted, (std::vector<int>{1, 1, 2}));

  grid->OnCanSort = [](TObject*, int, bool& DoSort) { DoSort = false; };
  Click(At(2, 0, 20));
  EXPECT_EQ(grid->SortSettings.GetDirection(), sdAscending);
  EXPECT_EQ(sorted.size(), 3u);
}

TEST_F(GridMouse, AnchorsOpenOnlyWebAndMailAddresses) {
  std::vector<AnsiString> opened;
  ShellOpenHook old = SetShellOpenHook([&](const AnsiString& Target) {
    opened.push_back(Target);
    return true;
  });
  std::vector<AnsiString> clicked;
  grid->OnAnchorClick = [&](TObject*, int, int, const AnsiString& Anchor, bool&) {
    clicked.push_back(Anchor);
  };
  grid->SetURLShow(true);
  grid->SetCellEx(1, 1, "https://example.com/a");
  grid->SetCellEx(2, 1, "file:///etc/passwd");
  Click(At(1, 1));
  Click(At(2, 1));
  SetShellOpenHook(old);
  EXPECT_EQ(clicked, (std::vector<AnsiString>{"https://example.com/a", "file:///etc/passwd"}));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_NE(opened[0].find("example.com"), AnsiString::npos);
}

TEST_F(GridMouse, CellLinksSelectCellsInsideTheGridOnly) {
  grid->SetCellEx(1, 1, "<a href=\"cell://R3C2\">go</a>");
  grid->SetCellEx(2, 1, "<a href=\"CELL://R30C2\">far</a>");
  Click(At(1, 1, 4, 5));
  EXPECT_EQ(Current(), (TGridCoord{2, 3}));
  Click(At(2, 1, 4, 5));
  EXPECT_EQ(Current(), (TGridCoord{2, 3}));
}

TEST_F(GridMouse, RadioClicksSelectTheItemUnderTheMouse) {
  grid->SetOptions(grid->GetOptions() + goEditing);
  grid->SetDefaultRowHeight(60);
  TStrings* items = grid->CreateRadio(1, 1, 0, 0);
  items->Add("one");
  items->Add("two");
  std::vector<int> events;
  grid->OnRadioClick = [&](TObject*, int, int, int AIdx) { events.push_back(AIdx); };
  const int line = grid->GetCanvas()->TextHeight("gh");
  Click(At(1, 1, 10, 2 + line + line / 2));
  int index = -1;
  grid->GetRadioIdx(1, 1, index);
  EXPECT_EQ(index, 1);
  Click(At(1, 1, 10, 2 + 2 * line + line / 2));  // below the last item
  grid->GetRadioIdx(1, 1, index);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(events, std::vector<int>{1});
}

TEST_F(GridMouse, CheckBoxesButtonsAndNodesAnswerClicks) {
  grid->SetOptions(grid->GetOptions() + goEditing);
  grid->AddCheckBox(1, 1, false, false);
  std::vector<bool> states;
  grid->OnCheckBoxClick = [&](TObject*, int, int, bool State) { states.push_back(State); };
  Click(At(1, 1));
  EXPECT_EQ(states, std::vector<bool>{true});

  grid->SetDefaultRowHeight(30);
  grid->AddButton(2, 2, 40, 20, "Go", haLeft, vaTop);
  Render();  // the button's place is where it was drawn
  int clicks = 0;
  grid->OnButtonClick = [&](TObject*, int, int) { ++clicks; };
  const TRect button = grid->ButtonRect(2, 2);
  Click(QPoint(button.Left + 5, button.Top + 5));
  EXPECT_EQ(clicks, 1);

  grid->AddNode(2, 2);
  std::vector<int> contracted, expanded;
  grid->OnContractNode = [&](TObject*, int ARow, int) { contracted.push_back(ARow); };
  grid->OnExpandNode = [&](TObject*, int ARow, int) { expanded.push_back(ARow); };
  Click(At(0, 2));
  EXPECT_EQ(grid->GetRowCount(), 4);
  Click(At(0, 2));
  EXPECT_EQ(grid->GetRowCount(), 5);
  EXPECT_EQ(contracted, std::vector<int>{2});
  EXPECT_EQ(expanded, std::vector<int>{2});
}

// The double click takes the place of the second press: the box toggles at the first only.
TEST_F(GridMouse, AWindowDoubleClickTogglesACheckBoxOnce) {
  grid->SetOptions(grid->GetOptions() + goEditing);
  grid->AddCheckBox(1, 1, false, false);
  std::vector<bool> states;
  grid->OnCheckBoxClick = [&](TObject*, int, int, bool State) { states.push_back(State); };
  int dbl = 0;
  grid->OnDblClickCell = [&](TObject*, int ARow, int ACol) { dbl += ARow * 10 + ACol == 11; };
  WindowDoubleClick(Client(), At(1, 1));
  EXPECT_EQ(states, std::vector<bool>{true});
  bool state = false;
  grid->GetCheckBoxState(1, 1, state);
  EXPECT_TRUE(state);
  EXPECT_EQ(dbl, 1);
}

TEST_F(GridMouse, DoubleClickAtAHeaderBorderAutoSizesTheColumnLeftOfIt) {
  grid->SetOptions(grid->GetOptions() + goColSizing);
  grid->SetCellEx(1, 2, "a rather long text for this column");
  const int width = grid->ColWidths(1);
  int dbl = 0;
  grid->OnDblClickCell = [&](TObject*, int, int) { ++dbl; };
  QTest::mouseDClick(Client(), Qt::LeftButton, {}, At(2, 0, 5, 5));  // inside: no sizing
  EXPECT_EQ(grid->ColWidths(1), width);
  EXPECT_EQ(dbl, 1);
  QTest::mouseDClick(Client(), Qt::LeftButton, {}, At(2, 0, 2, 5));
  EXPECT_GT(grid->ColWidths(1), width);
  EXPECT_EQ(dbl, 1);
}

TEST_F(GridMouse, FixedCellsSelectWholeRowsColumnsAndAll) {
  grid->SetOptions(grid->GetOptions() + goRangeSelect);
  grid->MouseActions.RowSelect = true;
  grid->MouseActions.ColSelect = true;
  grid->MouseActions.AllSelect = true;
  std::vector<TGridCoord> clicked;
  grid->OnClickCell = [&](TObject*, int ARow, int ACol) { clicked.push_back({ACol, ARow}); };
  Drag(At(0, 1), At(0, 3));
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 3, 3}));
  Click(At(2, 0, 20));
  EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 1, 2, 4}));
  Click(At(0, 0));
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 3, 4}));
  EXPECT_EQ(clicked, (std::vector<TGridCoord>{{0, 1}, {2, 0}, {0, 0}}));
}

TEST_F(GridMouse, DisjunctCellsFollowPlainAndCtrlClicks) {
  grid->MouseActions.DisjunctCellSelect = true;
  Click(At(1, 1));
  Click(At(2, 3), Qt::ControlModifier);
  EXPECT_EQ(grid->GetSelectedCellsCount(), 2);
  Click(At(1, 1), Qt::ControlModifier);
  EXPECT_FALSE(grid->GetSelectedCells(1, 1));
  EXPECT_TRUE(grid->GetSelectedCells(2, 3));
  Click(At(3, 2));
  EXPECT_EQ(grid->GetSelectedCellsCount(), 1);
  EXPECT_TRUE(grid->GetSelectedCells(3, 2));
  QTest::mouseClick(Client(), Qt::RightButton, {}, At(1, 3));  // any button's release
  EXPECT_EQ(grid->GetSelectedCellsCount(), 1);
  EXPECT_TRUE(grid->GetSelectedCells(1, 3));
}

TEST_F(GridMouse, PassingOverAnAnchorEntersAndLeavesIt) {
  grid->SetCellEx(1, 1, "<a href=\"x\">link</a>");
  std::vector<AnsiString> seen;
  grid->OnAnchorEnter = [&](TObject*, int, int, const AnsiString& A) { seen.push_back("+" + A); };
  grid->OnAnchorExit = [&](TObject*, int, int, const AnsiString& A) { seen.push_back("-" + A); };
  QTest::mouseMove(Client(), At(1, 1, 4, 5));
  EXPECT_EQ(Client()->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(Client(), At(2, 2));
  EXPECT_EQ(seen, (std::vector<AnsiString>{"+x", "-x"}));
  EXPECT_EQ(Client()->cursor().shape(), Qt::ArrowCursor);

  grid->URLShow = true;
  grid->SetCellEx(2, 2, "http://example.org");
  QTest::mouseMove(Client(), At(2, 2, 8, 5));
  EXPECT_EQ(Client()->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(Client(), At(3, 3));
  EXPECT_EQ(Client()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(GridMouse, TheFirstColumnSizesFromAnyRowAndNeverBelowZero) {
  grid->MouseActions.SizeFixedCol = true;
  const int edge = grid->ColWidths(0);
  Drag(QPoint(edge - 1, At(1, 3).y()), QPoint(edge + 30, At(1, 3).y()));
  EXPECT_EQ(grid->ColWidths(0), edge + 30);  // the release point is the new edge
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));  // the press sized, it did not select
  Drag(QPoint(edge + 29, At(1, 2).y()), QPoint(-40, At(1, 2).y()));
  EXPECT_EQ(grid->ColWidths(0), 0);
}

class ColumnMove : public ShownGrid<TExtColumnGrid> {};

TEST_F(ColumnMove, MovingAColumnCarriesItsItemAndTheSortColumn) {
  grid->SetColCount(4);
  const char* headers[] = {"", "A", "B", "C"};
  for (int c = 0; c < 4; ++c) grid->GetColumns()->GetItem(c)->SetHeader(headers[c]);
  grid->SetRowCount(3);
  grid->SetOptions(grid->GetOptions() + goColMoving);
  grid->SortSettings.SetShow(true);
  grid->SortSettings.SetColumn(1);
  ShowFocused();
  int sorts = 0;
  grid->OnClickSort = [&](TObject*, int) { ++sorts; };
  Drag(At(1, 0, 20), At(3, 0, 20));
  EXPECT_EQ(grid->GetColumns()->GetItem(3)->GetHeader(), "A");
  EXPECT_EQ(grid->GetCellEx(3, 0), "A");
  EXPECT_EQ(grid->SortSettings.GetColumn(), 3);
  EXPECT_EQ(sorts, 0);  // the release that ends a move does not sort
}

TEST_F(GridMouse, APressSelectsAMergedBlockAndASecondOneEditsIt) {
  grid->SetOptions(grid->GetOptions() + goEditing);
  grid->MergeCells(1, 1, 2, 2);
  grid->SetCellEx(1, 1, "block");
  const QPoint inside = At(1, 1, 40, 12);  // over the block's second column
  grid->SetCol(3);
  grid->SetRow(3);
  Click(inside);
  const TGridRect selected = grid->GetSelection();
  EXPECT_EQ((std::vector<int>{selected.Left, selected.Top, selected.Right, selected.Bottom}),
            (std::vector<int>{1, 1, 2, 2}));
  EXPECT_FALSE(grid->GetEditorMode());
  Click(inside);
  EXPECT_TRUE(grid->GetEditorMode());

  grid->HideInplaceEdit();
  grid->SetCol(3);
  grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  Click(inside);
  Click(inside);
  EXPECT_FALSE(grid->GetEditorMode());  // a block that may not be edited stays closed
}

}  // namespace

namespace {

// Header clicks with a second column to tell the rows apart.
class HeaderSort : public GridMouse {
 protected:
  void SetUp() override {
    GridMouse::SetUp();
    const char* names[] = {"b", "a", "b", "a"};
    for (int r = 1; r <= 4; ++r) {
      grid->SetCellEx(1, r, names[r - 1]);
      grid->SetCellEx(2, r, IntToStr(r));
    }
    grid->SortSettings.SetShow(true);
    grid->OnClickSort = [this](TObject*, int ACol) { sorted.push_back(ACol); };
  }
  std::vector<int> sorted;
};

TEST_F(HeaderSort, ShiftClicksAddColumnsToTheSortIndexList) {
  grid->SortSettings.SetIndexShow(true);
  const QPoint header1 = At(1, 0, 20), header2 = At(2, 0, 20);
  Click(header1);
  EXPECT_EQ(Column(1), (std::vector<AnsiString>{"a", "a", "b", "b"}));
  Click(header2, Qt::ShiftModifier);
  EXPECT_EQ(Column(2), (std::vector<AnsiString>{"2", "4", "1", "3"}));
  Click(header2, Qt::ShiftModifier);  // its direction turns within the list
  EXPECT_EQ(Column(2), (std::vector<AnsiString>{"4", "2", "3", "1"}));
  EXPECT_EQ(grid->SortIndexes.Count(), 2);
  Click(header2);  // alone now, ascending
  EXPECT_EQ(Column(2), (std::vector<AnsiString>{"1", "2", "3", "4"}));
  Click(header2);
  EXPECT_EQ(Column(2), (std::vector<AnsiString>{"4", "3", "2", "1"}));
  EXPECT_EQ(grid->SortIndexes.Count(), 1);
  EXPECT_EQ(sorted, (std::vector<int>{1, 2, 2, 2, 2}));
}

TEST_F(HeaderSort, TheColumnMergeIsUndoneAroundTheSortWhichIsTimed) {
  grid->SetMergedColumns({1});
  grid->SortSettings.AutoColumnMerge = true;
  grid->SetOptions(grid->GetOptions() + goRangeSelect);
  grid->SortSettings.SetColumn(1);
  grid->SortSettings.SetDirection(sdDescending);
  grid->OnGetFormat = [](TObject*, int, TSortStyle& Style, AnsiString&, AnsiString&) {
    Style = ssRaw;
  };
  grid->OnRawCompare = [this](TObject*, int ACol, int Row1, int Row2, int& Result) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    Result = grid->Cells(ACol, Row1).compare(grid->Cells(ACol, Row2));
  };
  auto blocks = [&] {
    std::vector<int> tops;
    for (int r = 1; r <= 4; ++r) tops.push_back(grid->FullCell(1, r).Top);
    return tops;
  };
  Click(At(1, 0, 20));
  EXPECT_EQ(Column(1), (std::vector<AnsiString>{"a", "a", "b", "b"}));
  EXPECT_EQ(blocks(), (std::vector<int>{1, 1, 3, 3}));
  EXPECT_GE(grid->GetLastSortTime(), 2);
  grid->SetCellEx(1, 1, "c");
  Click(At(1, 0, 20));
  EXPECT_EQ(Column(1), (std::vector<AnsiString>{"c", "b", "b", "a"}));
  EXPECT_EQ(blocks(), (std::vector<int>{1, 2, 2, 4}));
}

TEST_F(HeaderSort, TheClickAfterADoubleClickThatAutoSizedSortsAgain) {
  grid->SetOptions(grid->GetOptions() + goColSizing);
  const int width = grid->ColWidths(1);
  grid->SetCellEx(1, 2, "a rather long text for this column");
  const QPoint border = At(2, 0, 2, 8);
  Click(border);
  QTest::mouseDClick(Client(), Qt::LeftButton, {}, border);
  Release(QPoint(border.x(), 300));  // let go below the cells
  ASSERT_GT(grid->ColWidths(1), width);
  EXPECT_TRUE(sorted.empty());
  Click(At(2, 0, 20, 8));
  EXPECT_EQ(sorted, std::vector<int>{2});
}

// A column sized past its left neighbour leaves the mouse over that neighbour's header.
TEST_F(HeaderSort, SizingAColumnIsNoSortClickWhereverTheMouseIsLet) {
  grid->SetOptions(grid->GetOptions() + goColSizing);
  const TRect border = grid->CellRect(2, 0);
  Drag(QPoint(border.Right - 1, 8), At(1, 0, 20, 8));
  EXPECT_LT(grid->ColWidths(2), 10);
  EXPECT_TRUE(sorted.empty());
  Click(At(1, 0, 20, 8));
  EXPECT_EQ(sorted, std::vector<int>{1});
}

TEST_F(GridMouse, ReleasesOnCheckBoxesAndRadioGroupsAreTold) {
  grid->SetOptions(grid->GetOptions() + goEditing);
  grid->SetDefaultRowHeight(40);
  grid->AddCheckBox(1, 1, false, false);
  grid->AddCheckBox(0, 2, false, false);
  TStrings* items = grid->CreateRadio(2, 2, 0, 0);
  items->Add("one");
  items->Add("two");
  std::vector<bool> states;
  grid->OnCheckBoxMouseUp = [&](TObject*, int, int, bool State) { states.push_back(State); };
  std::vector<int> indexes;
  grid->OnRadioMouseUp = [&](TObject*, int, int, int AIdx) { indexes.push_back(AIdx); };
  Click(At(1, 1));
  Click(At(1, 1));
  const int line = grid->GetCanvas()->TextHeight("gh");
  Click(At(2, 2, 10, 2 + line + line / 2));
  Click(At(0, 2));  // a fixed column tells only with SortSettings.FixedCols
  EXPECT_EQ(states, (std::vector<bool>{true, false}));
  EXPECT_EQ(indexes, std::vector<int>{1});
  grid->SortSettings.FixedCols = true;
  Click(At(0, 2));
  EXPECT_EQ(states.size(), 3u);
}

TEST_F(GridMouse, DisjunctRowsFollowPlainAndCtrlClicks) {
  grid->MouseActions.DisjunctRowSelect = true;
  grid->SortSettings.SetShow(true);
  auto rows = [&] {
    std::vector<int> selected;
    for (int r = 1; r < grid->GetRowCount(); ++r)
      if (grid->GetRowSelect(r)) selected.push_back(r);
    return selected;
  };
  Click(At(1, 2));
  EXPECT_EQ(rows(), std::vector<int>{2});
  Click(At(2, 4), Qt::ControlModifier);
  EXPECT_EQ(rows(), (std::vector<int>{2, 4}));
  Click(At(1, 2), Qt::ControlModifier);
  EXPECT_EQ(rows(), std::vector<int>{4});
  Click(At(3, 0, 20));  // a header click keeps the rows as they are
  EXPECT_EQ(rows(), std::vector<int>{4});
  Click(At(0, 1));  // so does the fixed column without RowSelect
  EXPECT_EQ(rows(), std::vector<int>{4});
  Click(At(3, 3));
  EXPECT_EQ(rows(), std::vector<int>{3});

  grid->SetOptions(grid->GetOptions() + goRangeSelect);
  grid->MouseActions.RowSelect = true;
  Drag(At(0, 1), At(0, 2));
  EXPECT_EQ(rows(), (std::vector<int>{1, 2}));
}

TEST_F(GridMouse, AColumnDraggedOutShowsItsOwnHeaderWithHiddenColumns) {
  const char* headers[] = {"", "A", "B", "C"};
  for (int c = 0; c < 4; ++c) grid->SetCellEx(c, 0, headers[c]);
  grid->DragDropSettings.OleDropSource = true;
  grid->DragDropSettings.OleColumnDragDrop = true;
  grid->HideColumn(1);
  drag_script::ScriptedDrag drag(nullptr, QPoint(), {}, true);
  Press(At(1, 0, 20));
  MoveTo(At(1, 0, 40));
  Release(At(1, 0, 40));
  EXPECT_EQ(drag.drags, 1);
  EXPECT_EQ(grid->OleState().ColumnButton()->GetCaption(), "B");
}

}  // namespace

TEST_F(ColumnMove, TheFilterButtonOfTheColumnShownTakesTheHeaderClick) {
  grid->SetColCount(5);
  grid->SetRowCount(4);
  grid->GetColumns()->GetItem(3)->GetFilter()->Add("x=x");
  grid->SortSettings.SetShow(true);
  ShowFocused();
  grid->HideColumn(1);  // column 3 shows second, column 4 third
  std::vector<int> sorted;
  grid->OnClickSort = [&](TObject*, int ACol) { sorted.push_back(ACol); };
  auto click = [&](int col, int fromRight) {
    const QPoint at(grid->CellRect(col, 0).Right - fromRight, 8);
    QTest::mouseClick(Client(), Qt::LeftButton, {}, at);
  };
  click(2, 10);
  click(3, 10);
  click(2, 30);
  EXPECT_EQ(sorted, (std::vector<int>{3, 2}));
}
