// A wrapping grid edits its cells on several lines: the line breaks stay, Ctrl+Return types
// one, Up and Down walk the lines before they leave the cell, Return ends the edit.
#include <gtest/gtest.h>

#include "editor_controls.h"
#include "platform/grids/inplace_edit.h"

namespace {

class MultiLineEditing : public EditorControls {
 protected:
  void SetUp() override {
    EditorControls::SetUp();
    grid->WordWrap = true;
    grid->Navigation.AdvanceOnEnter = true;
    grid->SetCells(1, 2, "one\r\ntwo");
    grid->SetRow(2);
    Key(Qt::Key_F2);
  }
  TInplaceEdit* Inplace() const { return grid->GetInplaceEditor(); }
};

TEST_F(MultiLineEditing, TheCellIsEditedWithItsLineBreaks) {
  ASSERT_TRUE(Inplace() && Inplace()->GetVisible());
  EXPECT_TRUE(Inplace()->MultiLine());
  EXPECT_EQ(Inplace()->GetText(), "one\r\ntwo");
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 2), "one\r\ntwo");
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
}

TEST_F(MultiLineEditing, CtrlReturnTypesALineBreakAndReturnEndsTheEdit) {
  Type("!");
  Key(Qt::Key_Return, Qt::ControlModifier);
  Type("three");
  EXPECT_TRUE(Inplace()->GetVisible());
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 2), "one\r\ntwo!\r\nthree");
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
}

TEST_F(MultiLineEditing, UpAndDownWalkTheLinesBeforeTheyLeaveTheCell) {
  Key(Qt::Key_Up);  // from the end of "two" into "one"
  EXPECT_TRUE(Inplace()->GetVisible());
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  EXPECT_EQ(Inplace()->CaretLine(), 0);
  Key(Qt::Key_Down);
  EXPECT_EQ(Inplace()->CaretLine(), 1);
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  Key(Qt::Key_Down);  // the last line: the edit leaves downwards
  EXPECT_EQ(Current(), (TGridCoord{1, 3}));
  EXPECT_EQ(grid->Cells(1, 2), "one\r\ntwo");
}

TEST_F(MultiLineEditing, APasswordOrMaskedCellStaysOneLine) {
  Key(Qt::Key_Escape);
  type = edPassword;
  grid->SetRow(1);
  Key(Qt::Key_F2);
  ASSERT_TRUE(Inplace() && Inplace()->GetVisible());
  EXPECT_FALSE(Inplace()->MultiLine());
  Key(Qt::Key_Escape);
  type = edNormal;
  grid->SetRow(2);
  Key(Qt::Key_F2);
  EXPECT_TRUE(Inplace()->MultiLine());  // the multi-line editor is kept for the next edit
}

}  // namespace
