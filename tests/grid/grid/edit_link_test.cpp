#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/EditLink.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "platform/controls/forms.h"
#include "platform/grids/inplace_edit.h"
#include "platform/stdctrls/edit.h"
#include "shown_grid.h"

namespace {

// An application's editor: a plain edit wired to the link as the link asks.
class EditLinkOfEdit : public TEditLink {
 public:
  using TEditLink::TEditLink;
  TEdit* edit = nullptr;
  int destroyed = 0;
  std::vector<AnsiString> props;
  // As an application's link should: its control, left behind, calls it no more.
  ~EditLinkOfEdit() override {
    if (!edit) return;
    edit->OnKeyDown = nullptr;
    edit->OnExit = nullptr;
  }

  TWinControl* GetEditControl() override { return edit; }
  void CreateEditor(TWinControl* AParent) override {
    if (edit && edit->GetParent() == AParent) return;
    edit = new TEdit(AParent);
    edit->SetParent(AParent);
    edit->OnKeyDown = [this](TObject* Sender, WORD& Key, TShiftState Shift) {
      EditKeyDown(Sender, Key, Shift);
    };
    edit->OnExit = [this](TObject* Sender) { EditExit(Sender); };
  }
  void DestroyEditor() override {
    ++destroyed;
    edit = nullptr;  // it goes with the pop-up
  }
  std::function<void()> onValue;  // called as the value is read
  AnsiString GetEditorValue() override {
    if (onValue) onValue();
    return edit ? edit->GetText() : "";
  }
  void SetEditorValue(const AnsiString& S) override { edit->SetText(S); }
};

class EditLinks : public ShownGrid<TExtStringGrid> {
 protected:
  EditLinkOfEdit link{nullptr};

  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetOptions(grid->GetOptions() + goEditing);
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& editor) { editor = edCustom; };
    grid->EditLink = &link;
    grid->SetCells(1, 1, "before");
    ShowFocused();
    grid->SetCol(1);
    grid->SetRow(1);
  }
  void TearDown() override { grid->HideInplaceEdit(); }
  void Open() { Key(Qt::Key_F2); }
  // A pop-up edit, active.
  bool OpenPopup() {
    link.EditStyle = esPopup;
    link.PopupWidth = 120;
    link.PopupHeight = 40;
    Open();
    return link.GetPopup() && QTest::qWaitForWindowActive(link.GetPopup()->Widget());
  }
  bool Editing() const { return link.edit && link.edit->GetVisible(); }
  // A custom edit of the current cell opened nothing.
  void ExpectNoEdit(const TExtStringGrid& g) {
    EXPECT_FALSE(g.GetEditors().LinkOpen);
    EXPECT_FALSE(g.GetEditors().Link);
    EXPECT_TRUE(g.Focused());
  }
};

TEST_F(EditLinks, AnInplaceEditorCoversTheCellAndReturnWritesItsValue) {
  grid->OnGetEditorProp = [](TObject*, int ACol, int ARow, TEditLink* l) {
    static_cast<EditLinkOfEdit*>(l)->props.push_back(std::to_string(ACol) + "," +
                                                     std::to_string(ARow));
  };
  Open();
  ASSERT_TRUE(Editing());
  EXPECT_TRUE(link.edit->Focused());
  EXPECT_EQ(link.Grid, grid);
  EXPECT_EQ(link.edit->GetText(), "before");
  EXPECT_EQ(link.props, std::vector<AnsiString>{"1,1"});
  const TRect cell = grid->CellRect(1, 1);
  EXPECT_EQ(link.edit->GetLeft(), cell.Left);
  EXPECT_EQ(link.edit->GetWidth(), cell.Width() - grid->GetGridLineWidth());
  link.edit->SetText("after");
  Key(Qt::Key_Return);
  EXPECT_FALSE(Editing());
  EXPECT_EQ(grid->Cells(1, 1), "after");
  EXPECT_TRUE(grid->Focused());
}

TEST_F(EditLinks, EscapePutsBackTheCellsTextFromTheStart) {
  Open();
  link.edit->SetText("changed");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Editing());
  EXPECT_EQ(grid->Cells(1, 1), "before");
}

TEST_F(EditLinks, WantedKeysStayInTheEditorOthersMoveTheCell) {
  link.WantKeyUpDown = true;
  Open();
  Key(Qt::Key_Down);
  EXPECT_TRUE(Editing());
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  link.WantKeyUpDown = false;
  link.edit->SetText("x");
  Key(Qt::Key_Down);
  EXPECT_FALSE(Editing());
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  EXPECT_EQ(grid->Cells(1, 1), "x");
}

TEST_F(EditLinks, APopupOpensUnderTheCellAndClosesCleanly) {
  link.EditStyle = esPopup;
  link.AutoPopupWidth = true;
  link.PopupHeight = 60;
  Open();
  TForm* popup = link.GetPopup();
  ASSERT_TRUE(popup && Editing());
  EXPECT_EQ(link.GetParent(), popup);
  const TRect cell = grid->CellRect(1, 1);
  const TPoint under = grid->ClientToScreen({cell.Left, cell.Bottom});
  EXPECT_EQ(popup->GetLeft(), under.x);
  EXPECT_EQ(popup->GetTop(), under.y);
  EXPECT_EQ(popup->GetWidth(), cell.Width());
  EXPECT_EQ(link.edit->GetParent(), popup);
  ASSERT_TRUE(QTest::qWaitForWindowActive(popup->Widget()));
  EXPECT_TRUE(link.edit->Focused());
  link.edit->SetText("popped");
  Key(Qt::Key_Return);
  EXPECT_EQ(link.GetPopup(), nullptr);
  EXPECT_EQ(link.destroyed, 1);
  QCoreApplication::processEvents();  // the pop-up is freed after the key's event
  EXPECT_EQ(grid->Cells(1, 1), "popped");
  // A second edit makes a new pop-up.
  Open();
  ASSERT_TRUE(link.GetPopup());
  ASSERT_TRUE(QTest::qWaitForWindowActive(link.GetPopup()->Widget()));
  Key(Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_EQ(link.GetPopup(), nullptr);
  EXPECT_EQ(grid->Cells(1, 1), "popped");
}

TEST_F(EditLinks, APopupLeftForAnotherWindowWritesItsValueAndGoes) {
  ASSERT_TRUE(OpenPopup());
  Type("xy");
  form.Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  EXPECT_EQ(link.GetPopup(), nullptr);
  QCoreApplication::processEvents();
  EXPECT_EQ(grid->Cells(1, 1), "xy");  // the edit opened with its text selected
  EXPECT_FALSE(grid->GetEditors().Link);
}

TEST_F(EditLinks, APopupLeftForAnotherWindowPassesItsValueToTheGridsOwnEdit) {
  grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& editor) {
    editor = ACol == 2 ? edNormal : edCustom;
  };
  grid->SetCol(2);
  Open();  // the grid's own edit comes to be
  Key(Qt::Key_Escape);
  ASSERT_TRUE(grid->GetInplaceEditor());
  grid->SetCol(1);
  ASSERT_TRUE(OpenPopup());
  Type("zz");
  // What the grid's edit holds when the pop-up's value is read for the cell.
  AnsiString editText = "none";
  link.onValue = [&] { editText = grid->GetInplaceEditor()->GetText(); };
  form.Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  QCoreApplication::processEvents();
  link.onValue = nullptr;
  EXPECT_EQ(editText, "zz");
  EXPECT_EQ(grid->Cells(1, 1), "zz");
  EXPECT_EQ(grid->Cells(2, 1), "");
}

TEST_F(EditLinks, LeavingTheEditorWritesItsValue) {
  Open();
  link.edit->SetText("left");
  grid->HideInplaceEdit();
  EXPECT_FALSE(Editing());
  EXPECT_EQ(grid->Cells(1, 1), "left");
}

TEST_F(EditLinks, AColumnsOwnLinkEditsItsCells) {
  TExtColumnGrid columns(&form);
  columns.SetParent(&form);
  columns.SetBounds(0, 210, 340, 150);
  EditLinkOfEdit own(nullptr);
  columns.EditLink = &link;
  columns.GetColumns()->GetItem(1)->EditLink = &own;
  EXPECT_EQ(columns.GetCellEditLink(1, 1), &own);
  EXPECT_EQ(columns.GetCellEditLink(2, 1), &link);
}

TEST_F(EditLinks, AFreedLinkLeavesTheGridWithoutOneAndItsCellsWithoutAnEditor) {
  auto* gone = new EditLinkOfEdit(nullptr);
  grid->EditLink = gone;
  delete gone;
  EXPECT_EQ(grid->EditLink, nullptr);
  Open();
  ExpectNoEdit(*grid);
  EXPECT_EQ(grid->Cells(1, 1), "before");
  // A link set again edits again.
  grid->EditLink = &link;
  Open();
  EXPECT_TRUE(Editing());
}

TEST_F(EditLinks, ALinkFreedDuringItsEditIsNotCalledToCloseIt) {
  auto* gone = new EditLinkOfEdit(nullptr);
  grid->EditLink = gone;
  Open();
  ASSERT_TRUE(gone->edit && gone->edit->GetVisible());
  gone->edit->SetText("lost");
  delete gone;
  grid->HideInplaceEdit();
  ExpectNoEdit(*grid);
  EXPECT_EQ(grid->Cells(1, 1), "before");  // the value went with the link
  Open();
  ExpectNoEdit(*grid);
}

TEST_F(EditLinks, AFreedColumnLinkLeavesTheColumnAndItsCopiesWithoutOne) {
  TExtColumnGrid columns(&form);
  columns.SetParent(&form);
  columns.SetBounds(0, 210, 340, 150);
  columns.SetOptions(columns.GetOptions() + goEditing);
  columns.OnGetEditorType = [](TObject*, int, int, TEditorType& editor) { editor = edCustom; };
  auto* gone = new EditLinkOfEdit(nullptr);
  columns.GetColumns()->GetItem(1)->EditLink = gone;
  // Loading the columns copies their settings in, the link with them.
  TMemoryStream stream;
  columns.SaveColumnsToStream(&stream);
  stream.SetPosition(0);
  columns.LoadColumnsFromStream(&stream);
  TGridColumnCollection copy(nullptr);
  copy.Assign(*columns.GetColumns());
  ASSERT_EQ(columns.GetCellEditLink(1, 1), gone);
  ASSERT_EQ(copy.GetItem(1)->EditLink, gone);
  delete gone;
  EXPECT_EQ(columns.GetColumns()->GetItem(1)->EditLink, nullptr);
  EXPECT_EQ(copy.GetItem(1)->EditLink, nullptr);
  EXPECT_EQ(columns.GetCellEditLink(1, 1), nullptr);
  columns.SetFocus();
  columns.SetCol(1);
  columns.SetRow(1);
  Open();
  ExpectNoEdit(columns);
}

}  // namespace
