#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "platform/core/sound.h"
#include "platform/grids/inplace_edit.h"

namespace {

class GridEditing : public GridFixture {
 protected:
  std::vector<std::string> written;
  void SetUp() override {
    GridFixture::SetUp();
    grid->SetOptions(grid->GetOptions() + goEditing);
    grid->SetCells(1, 1, "old");
    grid->OnSetEditText = [this](TObject*, int col, int row, const AnsiString& value) {
      written.push_back(std::to_string(col) + "," + std::to_string(row) + "=" + value);
    };
    ShowFocused();
  }
  TInplaceEdit* Editor() const { return grid->GetInplaceEditor(); }
  bool EditorShown() const { return Editor() && Editor()->GetVisible(); }
};

TEST_F(GridEditing, F2OpensTheEditorOverTheCellWithItsText) {
  Key(Qt::Key_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(Editor()->GetText(), "old");
  EXPECT_EQ(Editor()->GetSelStart(), 3);  // the caret after the text
  TRect cell = grid->CellRect(1, 1);
  EXPECT_EQ(Editor()->GetLeft(), cell.Left);
  EXPECT_EQ(Editor()->GetWidth(), cell.Width());
  EXPECT_TRUE(Editor()->Focused());
}

TEST_F(GridEditing, TypingReplacesTheTextAndEnterKeepsIt) {
  Type("ne");
  ASSERT_TRUE(EditorShown());
  Type("w");
  EXPECT_EQ(grid->Cells(1, 1), "new");
  Key(Qt::Key_Return);
  EXPECT_FALSE(EditorShown());
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "new");
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(written.back(), "1,1=new");
  Key(Qt::Key_Return);  // Enter on the grid opens the editor again
  EXPECT_TRUE(EditorShown());
}

TEST_F(GridEditing, EscapeDiscardsTheEdit) {
  Key(Qt::Key_F2);
  Type("er");
  EXPECT_EQ(grid->Cells(1, 1), "older");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Cells(1, 1), "old");
  EXPECT_EQ(written.back(), "1,1=old");
}

TEST_F(GridEditing, MovingOnClosesTheEditorAndKeepsTheText) {
  Type("x");
  Key(Qt::Key_Down);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  EXPECT_EQ(grid->Cells(1, 1), "x");
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(1, 2));  // a click on the current cell
  EXPECT_TRUE(EditorShown());
  Type("y");
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(3, 3));
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Cells(1, 2), "y");
}

TEST_F(GridEditing, NoEditorWithoutEditingOrWithRowSelect) {
  grid->SetOptions(grid->GetOptions() + goRowSelect);
  Key(Qt::Key_F2);
  Type("a");
  EXPECT_FALSE(EditorShown());
  grid->SetOptions(grid->GetOptions() - goRowSelect - goEditing);
  Key(Qt::Key_F2);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Cells(1, 1), "old");
}

TEST_F(GridEditing, AlwaysShownEditorFollowsTheCurrentCell) {
  grid->SetCells(1, 2, "next");
  grid->SetOptions(grid->GetOptions() + goAlwaysShowEditor);
  ASSERT_TRUE(EditorShown());
  Key(Qt::Key_Right);  // moves the caret in the editor
  Key(Qt::Key_Down);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetText(), "next");
  EXPECT_EQ(Editor()->GetTop(), grid->CellRect(1, 2).Top);
}

TEST_F(GridEditing, TheEditorTakesTheGridsFont) {
  grid->GetFont()->SetHeight(-20);
  grid->GetFont()->SetStyle(fsBold);
  Key(Qt::Key_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetFont()->GetHeight(), -20);
  EXPECT_TRUE(Editor()->GetFont()->GetStyle().Contains(fsBold));
}

TEST_F(GridEditing, AProgramWriteToTheEditedCellReloadsTheEditor) {
  Key(Qt::Key_F2);
  grid->SetCells(1, 1, "from the program");
  EXPECT_EQ(Editor()->GetText(), "from the program");
}

TEST_F(GridEditing, TheCellsEditMaskShapesTheTyping) {
  int beeps = 0;
  BeepHook previous = SetBeepHook([&](unsigned) { ++beeps; });
  grid->OnGetEditMask = [](TObject*, int col, int row, AnsiString& mask) {
    if (col == 2 && row == 1) mask = "00-00;0;_";
  };
  grid->SetCells(2, 1, "1234");
  Key(Qt::Key_Right);
  Key(Qt::Key_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetEditText(), "12-34");
  Key(Qt::Key_Escape);
  Type("5x678");  // the first character opens the editor in place of the text
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(Editor()->GetEditText(), "56-78");
  EXPECT_EQ(grid->Cells(2, 1), "5678");  // the literal is not saved
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Down);  // the next cell has no mask
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  Type("abc");
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetEditText(), "abc");
  EXPECT_EQ(grid->Cells(2, 2), "abc");
  SetBeepHook(previous);
}

}  // namespace
