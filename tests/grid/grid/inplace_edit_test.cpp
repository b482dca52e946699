#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "components/grid/controls/EsgCombo.h"
#include "components/grid/controls/EsgEditBtn.h"
#include "components/grid/controls/EsgSpinEdit.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/ExtInplaceEdit.h"
#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "locale_scope.h"
#include "platform/controls/clipboard.h"
#include "platform/core/sound.h"
#include "shown_grid.h"
#include "window_double_click.h"

namespace {

class Editing : public ShownGrid<TExtStringGrid> {
 protected:
  TEditorType type = edNormal;
  BeepHook beeps = SetBeepHook([](unsigned) {});

  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetOptions(grid->GetOptions() + goEditing);
    grid->OnGetEditorType = [this](TObject*, int, int, TEditorType& editor) { editor = type; };
    grid->SetCells(1, 1, "before");
    ShowFocused();
    grid->SetCol(1);
    grid->SetRow(1);
  }
  void TearDown() override { SetBeepHook(beeps); }
  TExtInplaceEdit* Inplace() const {
    return dynamic_cast<TExtInplaceEdit*>(grid->GetInplaceEditor());
  }
  bool InplaceShown() const { return Inplace() && Inplace()->GetVisible(); }
  // Opens the cell's editor as F2 does, over a cell of the given type and text.
  void Open(TEditorType editor, const AnsiString& text) {
    type = editor;
    grid->SetCells(1, 1, text);
    Key(Qt::Key_F2);
  }
  void SelectInEditor(int start, int length) {
    Inplace()->SetSelStart(start);
    Inplace()->SetSelLength(length);
  }
};

TEST_F(Editing, EachTextTypeOpensTheInplaceEditOnF2AndOnAClick) {
  for (TEditorType editor : {edNormal, edNumeric, edPositiveNumeric, edFloat, edCapital,
                             edMixedCase, edPassword, edLowerCase, edUpperCase}) {
    Open(editor, "12");
    ASSERT_TRUE(InplaceShown()) << editor;
    EXPECT_EQ(grid->GetEditorType(), editor);
    EXPECT_EQ(Inplace()->GetPasswordChar(), editor == edPassword ? '*' : '\0');
    Key(Qt::Key_Escape);
    EXPECT_FALSE(InplaceShown());
    QTest::mouseClick(Client(), Qt::LeftButton, {}, At(1, 1));  // the current cell again
    EXPECT_TRUE(InplaceShown()) << editor;
    Key(Qt::Key_Escape);
  }
}

TEST_F(Editing, TypedAndPastedTextPassTheFilter) {
  Open(edNumeric, "");
  Type("1a-2");
  EXPECT_EQ(Inplace()->GetText(), "12");
  Inplace()->SetSelStart(0);
  Type("-");
  Type("-");
  EXPECT_EQ(Inplace()->GetText(), "-12");
  Clipboard()->SetAsText("5-3");
  Inplace()->PasteFromClipboard();
  EXPECT_EQ(Inplace()->GetText(), "-12");
  Key(Qt::Key_Escape);

  Open(edPositiveNumeric, "7");
  Clipboard()->SetAsText("-5");
  Inplace()->PasteFromClipboard();
  EXPECT_EQ(Inplace()->GetText(), "7");
  Clipboard()->SetAsText("55");
  Inplace()->SelectAll();
  Inplace()->PasteFromClipboard();
  EXPECT_EQ(Inplace()->GetText(), "55");
  EXPECT_EQ(Inplace()->GetSelText(), "55");  // a paste over a selection stays selected
  Key(Qt::Key_Escape);

  Open(edCapital, "");
  Type("ab");
  Clipboard()->SetAsText("cd");
  Inplace()->PasteFromClipboard();
  EXPECT_EQ(Inplace()->GetText(), "ABCD");
  EXPECT_EQ(Inplace()->GetSelStart(), 4);
}

TEST_F(Editing, MixedCaseRecasesTheWholeTextAsItIsTyped) {
  Open(edMixedCase, "");
  Type("hello world");
  EXPECT_EQ(Inplace()->GetText(), ShiftCase("hello world"));
  EXPECT_EQ(Inplace()->GetSelStart(), 11);
}

TEST_F(Editing, TheCaretWalksOutOfTheTextIntoTheNextCell) {
  grid->Navigation.CursorWalkEditor = true;
  grid->Navigation.AdvanceDirection = adTopBottom;
  grid->SetCells(2, 1, "next");
  Open(edNormal, "ab");
  Key(Qt::Key_Left);
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));  // the caret was inside the text
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  ASSERT_TRUE(InplaceShown());
  EXPECT_EQ(Inplace()->GetText(), "next");
  EXPECT_EQ(grid->Navigation.AdvanceDirection, adTopBottom);
}

TEST_F(Editing, FloatTakesASecondSeparatorOnlyOverTheFirst) {
  Open(edFloat, "1.5");
  Inplace()->Deselect();
  Type(",");
  EXPECT_EQ(Inplace()->GetText(), "1.5");
  SelectInEditor(1, 2);
  Type(",");
  EXPECT_EQ(Inplace()->GetText(), "1,");
}

TEST_F(Editing, TheLengthLimitLetsASelectionBeReplaced) {
  grid->SetMaxEditLength(5);
  Open(edNormal, "");
  Type("abcdef");
  EXPECT_EQ(Inplace()->GetText(), "abcde");
  SelectInEditor(1, 1);
  Type("X");
  EXPECT_EQ(Inplace()->GetText(), "aXcde");
  Clipboard()->SetAsText("toolong");
  SelectInEditor(0, 1);
  Inplace()->PasteFromClipboard();
  EXPECT_EQ(Inplace()->GetText(), "aXcde");
}

TEST_F(Editing, ALimitAbove32767IsKept) {
  grid->SetMaxEditLength(40000);
  Open(edNormal, "");
  EXPECT_EQ(Inplace()->LengthLimit, 40000);
}

TEST_F(Editing, TypingCompletesFromTheLookupList) {
  grid->Lookup = true;
  grid->LookupItems.SetCommaText("Apfel,Birne,Birke");
  Open(edNormal, "");
  Type("bi");
  EXPECT_EQ(Inplace()->GetText(), "birne");  // the typed part as typed
  EXPECT_EQ(Inplace()->GetSelText(), "rne");
  Key(Qt::Key_Backspace);  // takes the completion away and does not complete again
  EXPECT_EQ(Inplace()->GetText(), "bi");
}

TEST_F(Editing, TheEditReportsToTheGridsEvents) {
  grid->LookupHistory = true;
  grid->SizeWhileTyping.Width = true;
  int copies = 0, dblClicks = 0;
  grid->OnClipboardCopy = [&](TObject*, bool& Allow) { ++copies, Allow = false; };
  grid->OnDblClickCell = [&](TObject*, int ARow, int ACol) {
    EXPECT_EQ(ARow * 10 + ACol, 11);
    ++dblClicks;
  };
  Clipboard()->SetAsText("kept");
  Open(edNormal, "");
  const int width = grid->ColWidths(1);
  Type("a rather long text that needs room");
  EXPECT_GT(grid->ColWidths(1), width);
  Inplace()->SelectAll();
  Inplace()->CopyToClipboard();
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(Clipboard()->GetAsText(), "kept");
  QTest::mouseDClick(Inplace()->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(dblClicks, 1);
  Key(Qt::Key_Down);
  EXPECT_EQ(grid->LookupItems.IndexOf("a rather long text that needs room"), 0);
}

TEST_F(Editing, TheKeypadPointTypesTheDecimalSeparator) {
  LocaleScope locale(kGerman);
  grid->ExcelStyleDecimalSeparator = true;
  Open(edFloat, "");
  Type("1");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Period, Qt::KeypadModifier);
  Type("5");
  EXPECT_EQ(Inplace()->GetText(), "1,5");
}

TEST_F(Editing, RefusedValidationKeepsTheEditOpen) {
  grid->OnCellValidate = [](TObject*, int, int, AnsiString& value, bool& valid) {
    valid = value != "bad";
  };
  Open(edNormal, "before");
  Inplace()->SelectAll();
  Type("bad");
  Key(Qt::Key_Down);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  EXPECT_EQ(grid->Cells(1, 1), "before");
  EXPECT_TRUE(InplaceShown());
  EXPECT_EQ(Inplace()->GetText(), "before");
  Inplace()->SelectAll();
  Type("good");
  Key(Qt::Key_Down);
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  EXPECT_FALSE(InplaceShown());  // the validation's writing left no editor over no cell
  EXPECT_EQ(grid->Cells(1, 1), "good");
}

TEST_F(Editing, EscapeBringsBackTheTextTheEditBeganWith) {
  bool done = false;
  grid->OnEditingDone = [&](TObject*) { done = true; };
  Open(edNormal, "before");
  Type("changed");
  Key(Qt::Key_Escape);
  EXPECT_EQ(grid->Cells(1, 1), "before");
  EXPECT_TRUE(done);
  Key(Qt::Key_F2);  // a new edit begins
  EXPECT_TRUE(InplaceShown());
}

TEST_F(Editing, AReadOnlyCellParksTheEditingSwitch) {
  grid->OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 2; };
  grid->SetCol(2);
  EXPECT_FALSE(grid->GetOptions().Contains(goEditing));
  EXPECT_TRUE(grid->IsEditable(1, 1));  // editing is parked, not off
  EXPECT_FALSE(grid->IsEditable(2, 1));
  Key(Qt::Key_F2);
  EXPECT_FALSE(InplaceShown());
  grid->SetCol(1);
  EXPECT_TRUE(grid->GetOptions().Contains(goEditing));
}

TEST_F(Editing, EachControlTypeOpensItsControlOnF2AndOnAClick) {
  for (TEditorType editor :
       {edSpinEdit, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit, edComboEdit, edComboList,
        edEditBtn, edNumericEditBtn, edFloatEditBtn, edUnitEditBtn, edCheckBox, edButton}) {
    Open(editor, "1");
    TWinControl* shown = grid->GetEditors().Shown;
    ASSERT_TRUE(shown && shown->GetVisible()) << editor;
    EXPECT_TRUE(shown->Focused()) << editor;
    EXPECT_FALSE(InplaceShown());
    grid->HideInplaceEdit();
    EXPECT_FALSE(shown->GetVisible());
    EXPECT_TRUE(grid->Focused());
    QTest::mouseClick(Client(), Qt::LeftButton, {}, At(1, 1));
    EXPECT_EQ(grid->GetEditors().Shown, shown) << editor;
    grid->HideInplaceEdit();
  }
}

TEST_F(Editing, ScrollingEndsAnEditorControlsEdit) {
  grid->SetRowCount(30);
  Open(edEditBtn, "abc");
  grid->GetEditors().EditBtn->SetText("abd");
  grid->SetTopRow(5);
  EXPECT_FALSE(grid->GetEditors().EditBtn->GetVisible());
  EXPECT_EQ(grid->Cells(1, 1), "abd");
}

TEST_F(Editing, TheFixedLastRowFooterRowIsNoCellToSelect) {
  grid->SetRowCount(4);
  grid->FloatingFooter.SetVisible(true);
  grid->SetRow(2);
  EXPECT_EQ(grid->GetRow(), 2);
  grid->SetRow(3);
  EXPECT_EQ(grid->GetRow(), 2);
}

TEST_F(Editing, ADataCheckBoxNeverShowsAnEditor) {
  Open(edDataCheckBox, "Y");
  EXPECT_FALSE(InplaceShown());
  EXPECT_EQ(grid->GetEditors().Shown, nullptr);
}

TEST_F(Editing, ASpinOnNoNumberStartsAtZeroAndLeavesTheCell) {
  Open(edSpinEdit, "abc");
  TEsgSpinEdit* spin = grid->GetEditors().Spin;
  ASSERT_TRUE(spin && spin->GetVisible());
  EXPECT_FALSE(InplaceShown());
  EXPECT_EQ(spin->GetValue(), 0);
  grid->HideInplaceEdit();
  EXPECT_FALSE(spin->GetVisible());
  EXPECT_EQ(grid->Cells(1, 1), "abc");
  Open(edSpinEdit, "abc");
  spin->SetValue(7);
  grid->HideInplaceEdit();
  EXPECT_EQ(grid->Cells(1, 1), "7");
  EXPECT_TRUE(grid->Focused());
}

TEST_F(Editing, ACharacterTypedIntoTheGridReachesTheEditorControl) {
  type = edEditBtn;
  grid->SetCells(1, 1, "");
  Type("7");
  TEsgEditBtn* edit = grid->GetEditors().EditBtn;
  ASSERT_TRUE(edit && edit->GetVisible());
  QApplication::processEvents();
  EXPECT_EQ(edit->GetText(), "7");
  EXPECT_FALSE(InplaceShown());
}

TEST_F(Editing, SpinTypesOpenOnTheirValues) {
  LocaleScope locale(kGerman);
  Open(edFloatSpinEdit, "2,5");
  EXPECT_DOUBLE_EQ(grid->GetEditors().Spin->GetFloatValue(), 2.5);
  grid->GetEditors().Spin->SetFloatValue(3.25);
  grid->HideInplaceEdit();
  EXPECT_EQ(grid->Cells(1, 1), "3,25");
  Open(edDateSpinEdit, "kein Datum");
  grid->HideInplaceEdit();
  EXPECT_EQ(grid->Cells(1, 1), "kein Datum");
}

TEST_F(Editing, TheUnitEditKeepsTheUnitAsWritten) {
  Open(edUnitEditBtn, "1 m2");
  TEsgUnitEditBtn* edit = grid->GetEditors().UnitEditBtn;
  ASSERT_TRUE(edit && edit->GetVisible());
  EXPECT_EQ(edit->GetText(), "1");
  EXPECT_EQ(edit->GetUnitID(), " m2");
  edit->SetText("12.5");
  grid->HideInplaceEdit();
  EXPECT_EQ(grid->Cells(1, 1), "12.5 m2");
}

TEST_F(Editing, AComboListOnATextNotInTheListSelectsTheStoredItemAndLeavesTheCell) {
  grid->AddComboString("rot");
  grid->AddComboString("blau");
  EXPECT_TRUE(grid->RemoveComboString("rot"));
  EXPECT_FALSE(grid->RemoveComboString("rot"));
  grid->AddComboString("gelb");
  EXPECT_EQ(grid->GetComboCount(), 2);
  Open(edComboList, "lila");
  TESGComboBox* combo = grid->GetEditors().Combo;
  ASSERT_TRUE(combo->GetVisible());
  EXPECT_EQ(combo->GetItemIndex(), 0);
  grid->HideInplaceEdit();
  EXPECT_EQ(grid->Cells(1, 1), "lila");
  EXPECT_TRUE(grid->SetComboSelectionString("gelb"));
  EXPECT_FALSE(grid->SetComboSelectionString("grau"));
  Open(edComboList, "lila");
  EXPECT_EQ(combo->GetItemIndex(), 1);
  grid->HideInplaceEdit();
  Open(edComboList, "blau");
  combo->SetItemIndex(1);
  grid->HideInplaceEdit();
  EXPECT_EQ(grid->Cells(1, 1), "gelb");
}

TEST_F(Editing, EditButtonTakesTheEditTextAndTheEllipsClickAnswers) {
  grid->OnEllipsClick = [](TObject*, int ACol, int ARow, AnsiString& S) {
    S += "@" + std::to_string(ACol) + "," + std::to_string(ARow);
  };
  Open(edEditBtn, "abc");
  EXPECT_EQ(grid->GetEditors().EditBtn->GetText(), "abc");
  EXPECT_EQ(grid->EllipsClick("x"), "x@1,1");
  grid->GetEditors().EditBtn->SetText("abd");
  grid->HideInplaceEdit();
  EXPECT_EQ(grid->Cells(1, 1), "abd");
}

TEST_F(Editing, RestoreCacheGivesTheCellItsTextFromBefore) {
  Open(edNormal, "before");
  Inplace()->SelectAll();
  Type("after");
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 1), "after");
  grid->RestoreCache();
  EXPECT_EQ(grid->Cells(1, 1), "before");
  grid->SetCells(1, 1, "after");
  grid->SetCol(2);
  grid->SetCol(1);  // a cell change refreshes the cache
  grid->SetCells(1, 1, "typed");
  grid->RestoreCache();
  EXPECT_EQ(grid->Cells(1, 1), "after");
}

}  // namespace

namespace {

// Kept in $KALVENTO_PICTURE_DIR when that is set.
void SaveShot(const QImage& image, const char* name) {
  static QTemporaryDir temp;
  const char* keep = std::getenv("KALVENTO_PICTURE_DIR");
  ASSERT_TRUE(image.save(QDir(keep ? QString::fromLocal8Bit(keep) : temp.path()).filePath(name)));
}

// The rows of the editor's first half that hold dark text.
std::pair<int, int> InkRows(const QImage& image, const QPoint& origin, int width, int height) {
  int first = -1, last = -1;
  for (int y = 0; y < height; ++y)
    for (int x = 3; x < width / 2; ++x)
      if (image.pixelColor(origin + QPoint(x, y)).lightness() < 100) {
        if (first < 0) first = y;
        last = y;
      }
  return {first, last};
}

TEST_F(Editing, TheOpenEditorTakesTheCellsLookAndStandsWhereTheCellsTextStands) {
  grid->SetRowHeights(1, 40);
  grid->SetColWidths(1, 150);
  grid->SetVAlignment(vtaCenter);
  grid->SetColors(1, 1, clYellow);
  Open(edNormal, "Widerstand 4,7k");
  ASSERT_TRUE(InplaceShown());
  QApplication::processEvents();
  QImage image = grid->Widget()->grab().toImage();
  SaveShot(image, "inplace_edit.png");

  const QPoint origin = Inplace()->Widget()->mapTo(grid->Widget(), QPoint(0, 0));
  const int width = Inplace()->GetWidth(), height = Inplace()->GetHeight();
  EXPECT_EQ(height, 39);  // one pixel inside the cell's lines
  EXPECT_EQ(image.pixelColor(origin + QPoint(width - 3, 2)), QColor(Qt::yellow));
  auto [first, last] = InkRows(image, origin, width, height);
  ASSERT_GE(first, 0);
  EXPECT_NEAR((first + last) / 2.0, height / 2.0, 4);

  Key(Qt::Key_Escape);
  grid->SetVAlignment(vtaTop);
  Key(Qt::Key_F2);
  QApplication::processEvents();
  image = grid->Widget()->grab().toImage();
  std::tie(first, last) = InkRows(image, origin, width, height);
  ASSERT_GE(first, 0);
  EXPECT_LT(last, height / 2);
}

TEST_F(Editing, AnEditorControlCoversItsCell) {
  grid->SetRowHeights(1, 24);
  grid->SetColWidths(1, 120);
  grid->SetColors(1, 1, clAqua);
  Open(edSpinEdit, "42");
  TEsgSpinEdit* spin = grid->GetEditors().Spin;
  ASSERT_TRUE(spin && spin->GetVisible());
  const TRect cell = grid->CellRect(1, 1);
  EXPECT_EQ(spin->GetLeft(), cell.Left);
  EXPECT_EQ(spin->GetWidth(), cell.Width() - 1);
  EXPECT_EQ(spin->GetHeight(), cell.Height() - 1);
  EXPECT_EQ(spin->GetColor(), clAqua);
  QApplication::processEvents();
  SaveShot(grid->Widget()->grab().toImage(), "spin_in_cell.png");
}

// The keys and the mouse open the editor the cell's type chooses.
TEST_F(Editing, ADirectEditClickOpensTheCellsEditorAwayFromTheSideEdges) {
  grid->MouseActions.DirectEdit = true;
  type = edComboEdit;
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(2, 1, 2));  // beside the left edge
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  EXPECT_EQ(grid->GetEditors().Shown, nullptr);
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(3, 1, 20));
  EXPECT_EQ(Current(), (TGridCoord{3, 1}));
  ASSERT_NE(grid->GetEditors().Shown, nullptr);
  EXPECT_EQ(grid->GetEditors().Shown, grid->GetEditors().Combo);
  QApplication::processEvents();
  SaveShot(grid->Widget()->grab().toImage(), "direct_edit_combo.png");
  grid->HideInplaceEdit();

  bool readOnly = true;
  grid->OnCanEditCell = [&](TObject*, int, int, bool& CanEdit) { CanEdit = !readOnly; };
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(1, 2, 20));
  EXPECT_EQ(grid->GetEditors().Shown, nullptr);
}

// The press opens the editor under the mouse; the second press is the editor's own, no double
// click of the cell.
TEST_F(Editing, ADirectEditDoubleClickPlacesTheCaretInTheEditorItOpened) {
  grid->MouseActions.DirectEdit = true;
  grid->SetCells(2, 2, "eins zwei");
  int dblClicks = 0;
  grid->OnDblClickCell = [&](TObject*, int, int) { ++dblClicks; };
  WindowDoubleClick(Client(), At(2, 2, 12));
  ASSERT_TRUE(InplaceShown());
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  EXPECT_EQ(Inplace()->GetSelLength(), 0);
  EXPECT_EQ(dblClicks, 0);
}

TEST_F(Editing, ReturnInAnEditorControlAdvancesAndOpensTheNextCellsControl) {
  grid->Navigation.AdvanceOnEnter = true;
  Open(edEditBtn, "a");
  ASSERT_NE(grid->GetEditors().Shown, nullptr);
  grid->DoneInplaceEdit(VK_RETURN, {});
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  TWinControl* shown = grid->GetEditors().Shown;
  ASSERT_TRUE(shown && shown->GetVisible());
  EXPECT_EQ(shown, grid->GetEditors().EditBtn);
}

TEST_F(Editing, TabInTheInplaceEditStepsOverAMergedBlock) {
  grid->SetOptions(grid->GetOptions() + goTabs);
  grid->SetColCount(5);
  grid->MergeCells(2, 1, 2, 1);
  Open(edNormal, "a");
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  grid->ShowInplaceEdit();
  ASSERT_TRUE(InplaceShown());
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), (TGridCoord{4, 1}));  // past both columns of the block
}

TEST_F(Editing, TheKeypadPointTypedIntoTheGridOpensTheEditWithTheDecimalSeparator) {
  LocaleScope locale(kGerman);
  grid->ExcelStyleDecimalSeparator = true;
  grid->SetCells(1, 1, "");
  QTest::keyClick(Client(), Qt::Key_Period, Qt::KeypadModifier);
  ASSERT_TRUE(InplaceShown());
  EXPECT_EQ(Inplace()->GetText(), ",");
}

}  // namespace
