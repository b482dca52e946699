#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "editor_controls.h"
#include "locale_scope.h"
#include "platform/controls/screen.h"

namespace {

TEST_F(EditorControls, SpinKeysStepWithinTheBoundsAndReportTheStep) {
  std::vector<std::pair<int, bool>> clicks;
  grid->OnSpinClick = [&](TObject*, int, int, int value, bool up) { clicks.push_back({value, up}); };
  Open(edSpinEdit, "98");
  TGridSpin* spin = grid->GetEditors().Spin;
  ASSERT_TRUE(Shown(spin));
  spin->Increment = 2;
  Key(Qt::Key_PageUp);
  EXPECT_EQ(spin->GetValue(), 100);  // one increment below the top reaches it
  Key(Qt::Key_PageUp);
  EXPECT_EQ(spin->GetValue(), 100);  // and goes no further
  Key(Qt::Key_End);
  EXPECT_EQ(spin->GetValue(), 0);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(spin->GetValue(), 0);
  Key(Qt::Key_Home);
  EXPECT_EQ(spin->GetValue(), 100);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(spin->GetValue(), 98);
  EXPECT_EQ(clicks, (std::vector<std::pair<int, bool>>{
                        {100, true}, {100, true}, {0, false}, {0, false}, {100, true}, {98, false}}));
  EXPECT_TRUE(Shown(spin));
  Key(Qt::Key_Return);
  EXPECT_FALSE(Shown(spin));
  EXPECT_EQ(grid->Cells(1, 1), "98");
  EXPECT_TRUE(grid->Focused());
}

TEST_F(EditorControls, SpinArrowsStepAndTabLeavesForTheNextCell) {
  grid->SetOptions(grid->GetOptions() + goTabs);
  Open(edSpinEdit, "5");
  Key(Qt::Key_Up);
  EXPECT_EQ(grid->GetEditors().Spin->GetValue(), 6);
  Key(Qt::Key_Tab);
  EXPECT_FALSE(Shown(grid->GetEditors().Spin));
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  EXPECT_EQ(grid->Cells(1, 1), "6");
}

TEST_F(EditorControls, ARefusedValueKeepsTheEditOpenWithTheCellsText) {
  grid->OnCellValidate = [](TObject*, int, int, AnsiString& value, bool& valid) {
    valid = value != "13";
  };
  Open(edEditBtn, "12");
  TGridEditBtn* edit = grid->GetEditors().EditBtn;
  edit->SetText("13");
  Key(Qt::Key_Return);
  EXPECT_TRUE(Shown(edit));
  EXPECT_EQ(edit->GetText(), "12");
  EXPECT_EQ(edit->GetSelStart(), 2);
  EXPECT_EQ(grid->Cells(1, 1), "12");
  edit->SetText("14");
  Key(Qt::Key_Return);
  EXPECT_FALSE(Shown(edit));
  EXPECT_EQ(grid->Cells(1, 1), "14");
}

TEST_F(EditorControls, EscapeInAnEditButtonPutsBackTheCellsText) {
  Open(edEditBtn, "abc");
  Type("xyz");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Shown(grid->GetEditors().EditBtn));
  EXPECT_EQ(grid->Cells(1, 1), "abc");
}

TEST_F(EditorControls, NumberEditButtonsFilterTheirCharacters) {
  Open(edNumericEditBtn, "");
  TGridEditBtn* edit = grid->GetEditors().EditBtn;
  Type("-1-2a3\r");
  EXPECT_EQ(edit->GetText(), "-123");
  EXPECT_EQ(beepCount, 2);
  grid->HideInplaceEdit();
  Open(edFloatEditBtn, "");
  Type("1,2.5");
  EXPECT_EQ(edit->GetText(), "1,25");
  edit->SetSelStart(1);
  edit->SetSelLength(1);
  Type(".");
  EXPECT_EQ(edit->GetText(), "1.25");  // over the selected separator
}

TEST_F(EditorControls, TheEditButtonsButtonAsksTheGrid) {
  grid->OnEllipsClick = [](TObject*, int, int, AnsiString& S) { S += "!"; };
  Open(edEditBtn, "abc");
  TGridEditBtn* edit = grid->GetEditors().EditBtn;
  edit->BtnClick();
  EXPECT_EQ(edit->GetText(), "abc!");
  EXPECT_EQ(edit->GetSelLength(), 4);
}

TEST_F(EditorControls, AComboTakesItsItemFromTheCellAndTheWheelStaysInTheList) {
  for (const char* item : {"rot", "gruen", "blau"}) grid->AddComboString(item);
  std::vector<int> changes;
  grid->OnComboChange = [&](TObject*, int, int, int index, const AnsiString&) {
    changes.push_back(index);
  };
  Open(edComboList, "gruen");
  TGridCombo* combo = grid->GetEditors().Combo;
  ASSERT_TRUE(Shown(combo));
  EXPECT_EQ(combo->GetItemIndex(), 1);
  Wheel(combo, -120);
  Wheel(combo, -120);
  EXPECT_EQ(combo->GetItemIndex(), 2);  // clamped at the last item
  Wheel(combo, 120);
  Wheel(combo, 120);
  Wheel(combo, 120);
  EXPECT_EQ(combo->GetItemIndex(), 0);
  EXPECT_EQ(changes, (std::vector<int>{2, 2, 1, 0, 0}));
  Key(Qt::Key_Return);
  EXPECT_FALSE(Shown(combo));
  EXPECT_EQ(grid->Cells(1, 1), "rot");
}

TEST_F(EditorControls, RightLeavesAComboListForTheNextCellOnce) {
  grid->AddComboString("rot");
  Open(edComboList, "rot");
  Key(Qt::Key_Right);
  EXPECT_FALSE(Shown(grid->GetEditors().Combo));
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
}

TEST_F(EditorControls, TheOpenListIsAsWideAsItsWidestItem) {
  const AnsiString wide(60, 'W');
  grid->AddComboString("rot");
  grid->AddComboString(wide);
  Open(edComboList, "rot");
  TGridCombo* combo = grid->GetEditors().Combo;
  const int text = grid->GetCanvas()->TextWidth(wide);
  EXPECT_EQ(combo->GetDropDownWidth(), text + 8);
  grid->HideInplaceEdit();
  for (int i = 0; i < 8; ++i) grid->AddComboString("x");
  Open(edComboList, "rot");
  EXPECT_EQ(combo->GetDropDownWidth(), text + 25);  // room for the scroll bar
}

TEST_F(EditorControls, TypingIntoAComboCompletesFromTheItemsInOrder) {
  grid->Lookup = true;
  for (const char* item : {"Blau", "Braun", "Brombeer"}) grid->AddComboString(item);
  Open(edComboEdit, "");
  TGridCombo* combo = grid->GetEditors().Combo;
  Type("b");
  EXPECT_EQ(combo->GetText(), "blau");  // the typed part stays as typed
  EXPECT_EQ(combo->GetItemIndex(), -1);
  Type("r");
  EXPECT_EQ(combo->GetText(), "braun");
  EXPECT_EQ(combo->GetSelStart(), 2);
  Key(Qt::Key_Backspace);  // takes the selected rest, and completes nothing
  EXPECT_EQ(combo->GetText(), "br");
  Type("o");
  EXPECT_EQ(combo->GetText(), "brombeer");
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 1), "brombeer");
}

// With CaretPositioning the press that opens a combo edit puts the caret where it fell; a
// later edit opened by F2 does not.
TEST_F(EditorControls, APressOpensAComboWithTheCaretUnderTheMouse) {
  grid->MouseActions.DirectEdit = true;
  grid->MouseActions.CaretPositioning = true;
  type = edComboEdit;
  grid->SetCells(1, 2, "abcdefghij");
  const QPoint at = At(1, 2, 28, 8);
  const TPoint screen = grid->ClientToScreen(TPoint(at.x(), at.y()));
  ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
  Press(at);
  Release(at);
  TGridCombo* combo = grid->GetEditors().Combo;
  ASSERT_TRUE(Shown(combo));
  const int under = combo->CharFromPos(combo->ScreenToClient(screen));
  EXPECT_GT(under, 0);
  EXPECT_LT(under, 10);
  EXPECT_EQ(combo->GetSelStart(), under);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Shown(combo));
  Open(edComboEdit, "abcdefghij");
  EXPECT_NE(combo->GetSelStart(), under);
}

TEST_F(EditorControls, EscapeInAnEditableComboSelectsTheCellsItem) {
  for (const char* item : {"rot", "blau"}) grid->AddComboString(item);
  Open(edComboEdit, "blau");
  TGridCombo* combo = grid->GetEditors().Combo;
  combo->SetItemIndex(0);
  Key(Qt::Key_Escape);
  EXPECT_EQ(combo->GetItemIndex(), 1);
  EXPECT_EQ(grid->Cells(1, 1), "blau");
}

TEST_F(EditorControls, ACheckBoxTogglesBySpaceAndClickAndLeavesByArrows) {
  Open(edCheckBox, "");
  TGridCheckBox* box = grid->GetEditors().CheckBox;
  ASSERT_TRUE(Shown(box));
  Key(Qt::Key_Space);
  EXPECT_TRUE(box->GetChecked());
  QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(box->GetChecked());
  Key(Qt::Key_Down);
  EXPECT_FALSE(Shown(box));
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  EXPECT_TRUE(grid->Focused());
}

TEST_F(EditorControls, ADateEditorWritesTheDateFormat) {
  LocaleScope locale(kGerman);
  Open(edDateEdit, "24.12.2026");
  TGridDatePicker* picker = grid->GetEditors().DatePicker;
  ASSERT_TRUE(Shown(picker));
  EXPECT_EQ(picker->GetDateTime(), EncodeDate(2026, 12, 24));
  EXPECT_EQ(picker->GetText(), "24.12.2026");
  picker->SetDateTime(EncodeDate(2027, 1, 2));
  Key(Qt::Key_Escape);  // the cell's date again
  EXPECT_FALSE(Shown(picker));
  EXPECT_EQ(grid->Cells(1, 1), "24.12.2026");
  Open(edDateEdit, "24.12.2026");
  picker->SetDateTime(EncodeDate(2027, 1, 2));
  Key(Qt::Key_Return);
  EXPECT_FALSE(Shown(picker));
  EXPECT_EQ(grid->Cells(1, 1), "02.01.2027");
  Open(edTimeEdit, "08:30:00");
  EXPECT_EQ(picker->GetKind(), dtkTime);
  EXPECT_EQ(picker->GetText(), "08:30:00");
  Key(Qt::Key_PageDown);
  EXPECT_FALSE(Shown(picker));
  EXPECT_EQ(grid->Cells(1, 1), "08:30:00");
}

TEST_F(EditorControls, ADateEditorOnNoDateLeavesTheCell) {
  Open(edDateEdit, "bald");
  ASSERT_TRUE(Shown(grid->GetEditors().DatePicker));
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 1), "bald");
}

TEST_F(EditorControls, EscapeOnAButtonPutsBackTheCellsText) {
  grid->OnEllipsClick = [](TObject*, int, int, AnsiString& S) { S = "pressed"; };
  Open(edButton, "caption");
  TGridButton* button = grid->GetEditors().Button;
  Key(Qt::Key_Space);
  EXPECT_EQ(button->GetCaption(), "pressed");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Shown(button));
  EXPECT_EQ(grid->Cells(1, 1), "caption");
  EXPECT_TRUE(grid->Focused());
}

TEST_F(EditorControls, AButtonPassesItsArrowsAndEscapeToTheGridOnce) {
  std::vector<WORD> downs, ups;
  grid->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { downs.push_back(Key); };
  grid->OnKeyUp = [&](TObject*, WORD& Key, TShiftState) { ups.push_back(Key); };
  Open(edButton, "caption");
  TGridButton* button = grid->GetEditors().Button;
  ASSERT_TRUE(Shown(button));
  downs.clear();
  ups.clear();
  Key(Qt::Key_Right);
  QCoreApplication::processEvents();
  EXPECT_FALSE(Shown(button));
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));  // one cell, not two
  EXPECT_EQ(downs, std::vector<WORD>{VK_RIGHT});
  EXPECT_EQ(ups, std::vector<WORD>{VK_RIGHT});
  EXPECT_TRUE(grid->Focused());
  Open(edButton, "caption");
  Key(Qt::Key_Down);
  QCoreApplication::processEvents();
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  Open(edButton, "caption");
  downs.clear();
  Key(Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_FALSE(Shown(button));
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  EXPECT_EQ(downs, std::vector<WORD>{VK_ESCAPE});
}

// Where a key leaves the current cell from (1, 1), for each editor that ends its edit by it.
TEST_F(EditorControls, ReturnAdvancesDownMovesDownAndRightMovesOneCell) {
  LocaleScope locale(kGerman);
  grid->Navigation.AdvanceDirection = adLeftRight;
  grid->Navigation.AdvanceOnEnter = true;
  for (const char* item : {"b", "a"}) grid->AddComboString(item);
  struct Case {
    TEditorType editor;
    const char* text;
    Qt::Key key;
    TGridCoord to;
  };
  const Case cases[] = {
      {edSpinEdit, "5", Qt::Key_Return, {2, 1}},      {edEditBtn, "a", Qt::Key_Return, {2, 1}},
      {edEditBtn, "a", Qt::Key_Down, {1, 2}},         {edUnitEditBtn, "1 mm", Qt::Key_Return, {2, 1}},
      {edUnitEditBtn, "1 mm", Qt::Key_Down, {1, 2}},  {edComboEdit, "a", Qt::Key_Return, {2, 1}},
      {edComboEdit, "a", Qt::Key_Down, {1, 2}},       {edComboList, "a", Qt::Key_Return, {2, 1}},
      {edComboList, "a", Qt::Key_Right, {2, 1}},      {edCheckBox, "box", Qt::Key_Return, {2, 1}},
      {edCheckBox, "box", Qt::Key_Down, {1, 2}},      {edDateEdit, "01.02.2027", Qt::Key_Return, {2, 1}},
      {edButton, "b", Qt::Key_Right, {2, 1}},         {edButton, "b", Qt::Key_Down, {1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "editor " << c.editor << " key " << c.key);
    Open(c.editor, c.text);
    ASSERT_NE(QApplication::focusWidget(), grid->Widget());  // the editor has the focus
    Key(c.key);
    QCoreApplication::processEvents();
    EXPECT_EQ(Current(), c.to);
    EXPECT_EQ(grid->Cells(1, 1), c.text);
    if (c.key == Qt::Key_Return) {
      // Return opens the next cell's editor.
      EXPECT_TRUE(grid->GetEditors().Shown);
      grid->HideInplaceEdit();
    } else {
      EXPECT_TRUE(grid->Focused());
      EXPECT_FALSE(grid->GetEditors().Shown);
    }
  }
}

TEST_F(EditorControls, LeavingAControlTwiceEndsTheEditOnce) {
  int done = 0;
  grid->OnEditingDone = [&](TObject*) { ++done; };
  Open(edEditBtn, "a");
  grid->HideInplaceEdit();
  grid->HideInplaceEdit();
  EXPECT_EQ(done, 1);
}

}  // namespace
