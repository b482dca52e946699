// The grid's mouse around sizing and pressing with real mouse events: the sizes in the hint
// window while a column, a row or the first column is sized, the release that ends a sizing,
// fixed cells pressed like buttons, the right click that edits a URL, the left column kept
// in row select, the double click that edits, and the grid growing with its form.
#include <gtest/gtest.h>

#include <vector>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/html/HTMLHintWindow.h"
#include "platform/stdctrls/edit.h"
#include "platform/stdctrls/panel.h"
#include "shown_grid.h"
#include "window_double_click.h"

namespace {

class MouseSizing : public ShownGrid<TExtStringGrid> {
 protected:
  void SetUp() override {
    ShownGrid::SetUp();  // five columns and five rows
    ShowFocused();
  }
  // QTest drops a move to where an earlier test's mouse was; this one always arrives.
  void Hover(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, Client()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Client(), &move);
  }
  // Hovers first, as a real mouse does before it presses.
  void HoverPress(QPoint at) {
    Hover(at);
    Press(at);
  }
  bool HintShown() const { return grid->GetHintWindow()->GetVisible(); }
  AnsiString HintText() const { return grid->GetHintWindow()->GetCaption(); }
  QPoint Shifted(QPoint at, int dx, int dy) const { return {at.x() + dx, at.y() + dy}; }
  // How light a pixel of the client area is.
  int Lightness(const QImage& image, int x, int y) const {
    return QColor(image.pixel(x, y)).lightness();
  }
};

TEST_F(MouseSizing, HintsShowTheNewColumnWidthAndRowHeight) {
  grid->SetOptions(grid->GetOptions() + goColSizing + goRowSizing);
  grid->HintShowSizing = true;
  const int width = grid->ColWidths(1), height = grid->RowHeights(1);
  const QPoint border = At(2, 0, 1, 5);  // the left edge of column 2 sizes column 1
  HoverPress(border);
  MoveTo(Shifted(border, 25, 0));
  EXPECT_TRUE(HintShown());
  EXPECT_EQ(HintText(), "cw=<b>" + IntToStr(width + 25) + "</b>");
  MoveTo(Shifted(border, -10, 0));
  EXPECT_EQ(HintText(), "cw=<b>" + IntToStr(width - 10) + "</b>");
  Release(Shifted(border, -10, 0));
  EXPECT_FALSE(HintShown());
  EXPECT_EQ(grid->ColWidths(1), width - 10);

  const QPoint rowBorder = At(0, 2, 5, 1);
  HoverPress(rowBorder);
  MoveTo(Shifted(rowBorder, 0, 12));
  EXPECT_EQ(HintText(), "rh=<b>" + IntToStr(height + 12) + "</b>");
  Release(Shifted(rowBorder, 0, 12));
  EXPECT_FALSE(HintShown());
  EXPECT_EQ(grid->RowHeights(1), height + 12);

  grid->HintShowSizing = false;
  HoverPress(border);
  MoveTo(Shifted(border, 5, 0));
  EXPECT_FALSE(HintShown());
  Release(Shifted(border, 5, 0));
}

TEST_F(MouseSizing, TheFirstColumnsHintFollowsTheMouseAndStopsAtZero) {
  grid->MouseActions.SizeFixedCol = true;
  grid->HintShowSizing = true;
  const int edge = grid->ColWidths(0);
  const QPoint from(edge - 1, At(1, 3).y());
  Press(from);
  MoveTo(Shifted(from, 31, 0));
  EXPECT_EQ(HintText(), IntToStr(edge + 30));
  MoveTo(QPoint(-40, from.y()));
  EXPECT_EQ(HintText(), "0");
  Release(QPoint(-40, from.y()));
  EXPECT_FALSE(HintShown());
  EXPECT_EQ(grid->ColWidths(0), 0);
}

TEST_F(MouseSizing, AReleaseThatEndsAColumnSizingInTheHeaderIsNoClick) {
  grid->SetOptions(grid->GetOptions() + goColSizing);
  int clicks = 0;
  grid->OnClick = [&](TObject*) { ++clicks; };
  const QPoint border = At(2, 0, 1, 5);
  HoverPress(border);
  MoveTo(Shifted(border, 20, 0));
  Release(Shifted(border, 20, 0));
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(grid->OnClick);  // the handler is back for the next click
  Hover(At(2, 0, 20, 5));
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(2, 0, 20, 5));
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(2, 2));
  EXPECT_EQ(clicks, 2);
}

TEST_F(MouseSizing, FixedCellsPressInAndOutLikeButtons) {
  grid->SetOptions(grid->GetOptions() + goFixedVertLine + goFixedHorzLine);
  grid->FixedAsButtons = true;
  const TRect r = grid->CellRect(2, 0);
  const int middle = (r.Top + r.Bottom) / 2;
  // Sunken: the left edge dark and the right one light; raised the other way round.
  auto leftDarker = [&](const QImage& image) {
    return Lightness(image, r.Left, middle) < Lightness(image, r.Right - 1, middle);
  };
  Press(At(2, 0, 20, 5));
  EXPECT_TRUE(leftDarker(Render()));
  Release(At(2, 0, 20, 5));
  EXPECT_FALSE(leftDarker(Render()));

  grid->Flat = true;  // no 3D look: no button
  const QImage before = Render();
  Press(At(2, 0, 20, 5));
  EXPECT_EQ(Render(), before);
  Release(At(2, 0, 20, 5));
}

TEST_F(MouseSizing, ARightClickOnAURLCellEditsItWithURLEdit) {
  grid->SetOptions(grid->GetOptions() + goEditing);
  grid->SetURLShow(true);
  grid->SetCellEx(2, 3, "http://example.org");
  grid->SetCellEx(3, 3, "plain text");
  auto rightClick = [&](QPoint at) { QTest::mouseClick(Client(), Qt::RightButton, {}, at); };
  rightClick(At(2, 3));
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));  // not without URLEdit
  grid->URLEdit = true;
  rightClick(At(3, 3));
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  rightClick(At(2, 3));
  EXPECT_EQ(Current(), (TGridCoord{2, 3}));
  EXPECT_TRUE(grid->GetEditorMode());
}

// The platform's grid scrolls no column into view in row select; the press keeps it so.
TEST_F(MouseSizing, APressInRowSelectKeepsTheLeftColumnWithKeepHorizScroll) {
  grid->SetColCount(12);
  grid->SetOptions(grid->GetOptions() + goRowSelect);
  grid->Navigation.KeepHorizScroll = true;
  grid->SetLeftCol(2);
  const int col = grid->GetLeftCol() + grid->GetVisibleColCount();  // cut off at the right
  ASSERT_GE(grid->CellRect(col, 2).Width(), 1);
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(col, 2, 2, 5));
  EXPECT_EQ(grid->GetRow(), 2);
  EXPECT_EQ(grid->GetLeftCol(), 2);
}

TEST_F(MouseSizing, ADoubleClickEditsWhereAClickWouldWithRangeSelectAndEdit) {
  grid->MouseActions.RangeSelectAndEdit = true;
  int clicked = 0;
  grid->OnClickCell = [&](TObject*, int, int) { ++clicked; };
  QTest::mouseDClick(Client(), Qt::LeftButton, {}, At(2, 0, 20, 5));
  EXPECT_FALSE(grid->GetEditorMode());  // a header cell opens no editor
  grid->SetOptions(grid->GetOptions() - goEditing);
  QTest::mouseDClick(Client(), Qt::LeftButton, {}, At(2, 3));
  EXPECT_EQ(Current(), (TGridCoord{2, 3}));
  EXPECT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(clicked, 2);  // the replayed presses
}

// The press before the double click selects the cell, the replayed one opens its editor: two
// presses in all, as many as a click and a double click make.
TEST_F(MouseSizing, AWindowDoubleClickWithRangeSelectAndEditPressesTwice) {
  grid->MouseActions.RangeSelectAndEdit = true;
  grid->SetOptions(grid->GetOptions() - goEditing);
  int clicked = 0;
  grid->OnClickCell = [&](TObject*, int, int) { ++clicked; };
  WindowDoubleClick(Client(), At(2, 3));
  EXPECT_EQ(Current(), (TGridCoord{2, 3}));
  EXPECT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(clicked, 2);
}

TEST_F(MouseSizing, HidingColumnsOrRowsEndsTheEditOfItsCellFirst) {
  grid->SetOptions(grid->GetOptions() + goEditing);
  grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edSpinEdit; };
  auto editUp = [&](int ACol, int ARow) {
    grid->SetCellEx(ACol, ARow, "5");
    grid->SetCol(ACol);
    grid->SetRow(ARow);
    Key(Qt::Key_F2);
    ASSERT_TRUE(grid->GetEditors().Spin && grid->GetEditors().Spin->GetVisible());
    Key(Qt::Key_Up);
  };
  grid->AddNode(1, 3);
  editUp(2, 2);
  grid->ContractNode(1);
  EXPECT_FALSE(grid->GetEditors().Spin->GetVisible());
  grid->ExpandNode(1);
  EXPECT_EQ(grid->GetCellEx(2, 2), "6");  // the edited cell, not the one shown there meanwhile
  EXPECT_EQ(grid->GetCellEx(2, 4), "");

  editUp(2, 1);
  grid->HideColumn(1);
  EXPECT_FALSE(grid->GetEditors().Spin->GetVisible());
  EXPECT_EQ(grid->GetCellEx(2, 1), "6");
  EXPECT_EQ(grid->GetCellEx(3, 1), "");
}

// A control that notes the accelerator characters it is offered.
class CharNoting : public TPanel {
 public:
  using TPanel::TPanel;
  AnsiString offered;
  bool CMDialogChar(char Key, TShiftState Shift) override {
    offered += Key;
    return TPanel::CMDialogChar(Key, Shift);
  }
};

TEST_F(MouseSizing, PlainDialogCharactersDoNotReachTheGridsControls) {
  auto* inside = new CharNoting(grid);
  inside->SetParent(grid);
  inside->SetBounds(0, 0, 1, 1);
  auto* beside = new CharNoting(&form);
  beside->SetParent(&form);
  beside->SetBounds(400, 0, 20, 20);
  grid->SetFocus();
  Type("x");
  EXPECT_EQ(inside->offered, "");
  EXPECT_EQ(beside->offered, "x");
  Key(Qt::Key_Y, Qt::AltModifier);
  EXPECT_EQ(inside->offered, "y");
  EXPECT_EQ(beside->offered, "xy");

  auto* edit = new TEdit(&form);  // an edit types its characters itself
  edit->SetParent(&form);
  edit->SetBounds(400, 40, 60, 20);
  edit->SetFocus();
  Type("z");
  EXPECT_EQ(beside->offered, "xy");
  EXPECT_EQ(edit->GetText(), "z");
}

TEST_F(MouseSizing, TheGridGrowsAndShrinksWithItsForm) {
  grid->ColumnSize.Stretch = true;
  form.SetBounds(0, 0, 560, 380);  // not followed yet
  EXPECT_EQ(grid->GetWidth(), 340);
  grid->SizeWithForm = true;
  form.SetBounds(0, 0, 600, 430);
  EXPECT_EQ(grid->GetWidth(), 380);
  EXPECT_EQ(grid->GetHeight(), 254);
  const int last = grid->GetColCount() - 1;
  int others = 0;
  for (int c = 0; c < last; ++c) others += grid->ColWidths(c);
  EXPECT_EQ(grid->ColWidths(last), grid->GetClientWidth() - others - 1);  // stretched again
  form.SetBounds(0, 0, 100, 430);  // the grid would vanish: its width stays
  EXPECT_EQ(grid->GetWidth(), 380);
}

}  // namespace
