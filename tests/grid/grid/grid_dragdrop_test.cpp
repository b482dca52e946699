// The grid's drag and drop with real Qt drag events offscreen: rows of text inserting rows,
// refused drops leaving both grids as they were, a dropped CSV file, a column dragged between
// grids, the cells a move takes from its source, and drags started by the mouse.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <fstream>

#include "components/grid/controls/ArrowWindow.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/dragdrop/esgdd.h"
#include "drag_script.h"
#include "office_files.h"
#include "platform/controls/forms.h"
#include "temp_folder.h"

using drag_script::DropOn;
using drag_script::FileData;
using drag_script::ScriptedDrag;
using drag_script::TextData;

namespace {

class GridDragDrop : public testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 700, 400);
    source = NewGrid(0);
    target = NewGrid(340);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  }
  void TearDown() override { Esgdd::SetRTFAware(false); }
  TExtStringGrid* NewGrid(int left) {
    auto* grid = new TExtStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(left, 0, 330, 300);
    grid->SetColCount(4);
    grid->SetRowCount(8);
    grid->SetOptions(grid->GetOptions() + goEditing);
    grid->DragDropSettings.OleDropSource = true;
    grid->DragDropSettings.SetOleDropTarget(true);
    for (int r = 1; r < 8; ++r)
      for (int c = 1; c < 4; ++c) grid->SetCells(c, r, AnsiString(1, char('a' + c - 1)) + std::to_string(r));
    return grid;
  }
  static QWidget* Client(TExtStringGrid* grid) {
    return static_cast<QAbstractScrollArea*>(grid->Widget())->viewport();
  }
  static QPoint At(TExtStringGrid* grid, int col, int row) {
    const TRect r = grid->CellRect(col, row);
    return {r.Left + 5, r.Top + 5};
  }
  Qt::DropAction DropText(TExtStringGrid* grid, int col, int row, const QString& text,
                          Qt::KeyboardModifiers modifiers = {}) {
    std::unique_ptr<QMimeData> data(TextData(text));
    return DropOn(Client(grid), At(grid, col, row), *data, modifiers);
  }
  static AnsiString Row(TExtStringGrid* grid, int row) {
    AnsiString text;
    for (int c = 1; c < grid->GetColCount(); ++c) text += grid->Cells(c, row) + (c + 1 < grid->GetColCount() ? "|" : "");
    return text;
  }

  TForm form{nullptr};
  TExtStringGrid* source = nullptr;
  TExtStringGrid* target = nullptr;
};

TEST_F(GridDragDrop, RowsOfTextInsertRowsAndSelectThePastedBlock) {
  target->DragDropSettings.OleInsertRows = true;
  TGridRect dropped{-1, -1, -1, -1};
  target->OnOleDropped = [&](TObject*, TGridRect R) { dropped = R; };
  EXPECT_EQ(DropText(target, 1, 5, "x1\ty1\t\r\nx2\ty2\t\r\n"), Qt::MoveAction);
  EXPECT_EQ(target->GetRowCount(), 10);
  EXPECT_EQ(Row(target, 5), "x1|y1|");
  EXPECT_EQ(Row(target, 6), "x2|y2|");
  EXPECT_EQ(Row(target, 7), "a5|b5|c5");
  EXPECT_EQ(target->GetSelection(), (TGridRect{1, 5, 2, 6}));
  EXPECT_EQ(dropped, (TGridRect{1, 5, 2, 6}));
}

TEST_F(GridDragDrop, WithoutInsertingTheTextOverwritesCells) {
  EXPECT_EQ(DropText(target, 2, 3, "p\tq"), Qt::MoveAction);
  EXPECT_EQ(target->GetRowCount(), 8);
  EXPECT_EQ(Row(target, 3), "a3|p|q");
}

TEST_F(GridDragDrop, HeaderRowRefusesTextAndADataRowRefusesAColumn) {
  EXPECT_EQ(DropText(target, 1, 0, "x"), Qt::IgnoreAction);
  EXPECT_EQ(target->Cells(1, 0), "");
  target->DragDropSettings.OleColumnDragDrop = true;
  int dropCol = -1;
  target->OnOleDropCol = [&](TObject*, int, int, int DropCol) { dropCol = DropCol; };
  // A column from the source dragged onto a data row: refused.
  source->DragDropSettings.OleColumnDragDrop = true;
  {
    ScriptedDrag drag(Client(target), At(target, 2, 3));
    EXPECT_TRUE(source->OleDragCell(1, 0));
    EXPECT_TRUE(drag.formats.contains("application/x-qt-windows-mime;value=\"Grid Column\""));
  }
  EXPECT_EQ(dropCol, -1);
  // Onto the header: the target announces it and moves nothing itself.
  {
    ScriptedDrag drag(Client(target), At(target, 2, 0));
    source->OleDragCell(3, 0);
  }
  EXPECT_EQ(dropCol, 3);
  EXPECT_EQ(Row(target, 1), "a1|b1|c1");
  EXPECT_EQ(Row(source, 1), "a1|b1|c1");
}

TEST_F(GridDragDrop, RefusedDropLeavesSourceAndTargetAsTheyWere) {
  target->OnOleDrop = [](TObject*, int, int, const AnsiString&, bool& Allow) { Allow = false; };
  source->SetSelection({1, 2, 2, 3});
  int stops = 0;
  source->OnOleDragStop = [&](TObject*, int) { ++stops; };
  {
    ScriptedDrag drag(Client(target), At(target, 1, 4));
    EXPECT_TRUE(source->OleDragCell(1, 2));
    EXPECT_EQ(drag.text, QString("a2\tb2\na3\tb3\n"));
  }
  EXPECT_EQ(Row(source, 2), "a2|b2|c2");
  EXPECT_EQ(Row(target, 4), "a4|b4|c4");
  EXPECT_EQ(stops, 0);  // no effect counts as cancelled
}

TEST_F(GridDragDrop, MoveClearsTheSourceCellsAndCtrlCopies) {
  source->SetSelection({1, 2, 2, 2});
  {
    ScriptedDrag drag(Client(target), At(target, 1, 6), Qt::ControlModifier);
    source->OleDragCell(1, 2);
  }
  EXPECT_EQ(Row(target, 6), "a2|b2|c6");
  EXPECT_EQ(Row(source, 2), "a2|b2|c2");
  {
    ScriptedDrag drag(Client(target), At(target, 1, 7));
    source->OleDragCell(1, 2);
  }
  EXPECT_EQ(Row(target, 7), "a2|b2|c7");
  EXPECT_EQ(Row(source, 2), "||c2");
}

TEST_F(GridDragDrop, OnOleDragRefusalStartsNoDrag) {
  source->OnOleDrag = [](TObject*, int, int, const AnsiString&, bool& Allow) { Allow = false; };
  ScriptedDrag drag(Client(target), At(target, 1, 4));
  EXPECT_FALSE(source->OleDragCell(1, 2));
  EXPECT_EQ(drag.drags, 0);
}

// A press on the selection with the mouse, then moves with the button held.
class GridMouseDrag : public GridDragDrop {
 protected:
  void SetUp() override {
    GridDragDrop::SetUp();
    source->SetOptions(source->GetOptions() - goEditing + goRangeSelect);
    source->SetSelection({1, 2, 2, 3});
  }
  void PressAndMove(QPoint from, std::initializer_list<QPoint> moves) {
    QTest::mousePress(Client(source), Qt::LeftButton, {}, from);
    for (QPoint at : moves) Move(at);
  }
  void Move(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, Client(source)->mapToGlobal(at), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Client(source), &move);
  }
  void Release(QPoint at) { QTest::mouseRelease(Client(source), Qt::LeftButton, {}, at); }
};

TEST_F(GridMouseDrag, MovingOnFromASelectedCellDragsTheSelection) {
  ScriptedDrag drag(Client(target), At(target, 1, 6));
  const QPoint from = At(source, 2, 3);
  PressAndMove(from, {from + QPoint(2, 2)});
  EXPECT_EQ(drag.drags, 0);  // not yet past the slack
  Move(from + QPoint(10, 0));
  EXPECT_EQ(drag.drags, 1);
  EXPECT_EQ(Row(target, 6), "a2|b2|c6");
  EXPECT_EQ(Row(target, 7), "a3|b3|c7");
  EXPECT_EQ(Row(source, 2), "||c2");  // moved: the source cells are cleared
  Release(from + QPoint(10, 0));
}

// Column 1 ("a") hidden: the selection's shown columns 1 and 2 are stored columns 2 and 3.
TEST_F(GridMouseDrag, AMoveRightOfAHiddenColumnCarriesAndClearsTheShownCells) {
  source->HideColumn(1);
  source->SetSelection({1, 2, 2, 3});
  ScriptedDrag drag(Client(target), At(target, 1, 6));
  const QPoint from = At(source, 2, 3);
  PressAndMove(from, {from + QPoint(10, 0)});
  Release(from + QPoint(10, 0));
  EXPECT_EQ(drag.text, QString("b2\tc2\nb3\tc3\n"));
  EXPECT_EQ(Row(target, 6), "b2|c2|c6");
  for (int r : {2, 3}) {
    EXPECT_EQ(source->Cells(1, r), "a" + std::to_string(r)) << r;  // the hidden cell stays
    EXPECT_EQ(source->Cells(2, r), "") << r;
    EXPECT_EQ(source->Cells(3, r), "") << r;
  }
  EXPECT_EQ(source->Cells(3, 4), "c4");
  source->UnHideColumn(1);
  EXPECT_EQ(Row(source, 2), "a2||");
}

TEST_F(GridMouseDrag, ARefusedDragSelectsFromThePressedCell) {
  int asked = 0;
  source->OnOleDrag = [&](TObject*, int, int, const AnsiString&, bool& Allow) {
    ++asked;
    Allow = false;
  };
  ScriptedDrag drag(Client(target), At(target, 1, 6));
  PressAndMove(At(source, 2, 3), {At(source, 3, 4), At(source, 3, 5)});
  Release(At(source, 3, 5));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(drag.drags, 0);
  EXPECT_EQ(source->GetSelection(), (TGridRect{2, 3, 3, 5}));
  EXPECT_EQ(Row(source, 2), "a2|b2|c2");
}

TEST_F(GridMouseDrag, AClickOnTheSelectionSelectsTheCellAndNoSourceNoDrag) {
  ScriptedDrag drag(Client(target), At(target, 1, 6));
  QTest::mouseClick(Client(source), Qt::LeftButton, {}, At(source, 2, 3));
  EXPECT_EQ(source->GetSelection(), (TGridRect{2, 3, 2, 3}));
  source->DragDropSettings.OleDropSource = false;
  source->SetSelection({1, 2, 2, 3});
  PressAndMove(At(source, 1, 2), {At(source, 3, 4)});
  Release(At(source, 3, 4));
  EXPECT_EQ(drag.drags, 0);
  EXPECT_EQ(source->GetSelection(), (TGridRect{1, 2, 3, 4}));
  EXPECT_EQ(Row(target, 6), "a6|b6|c6");
}

TEST_F(GridDragDrop, MovingRowsWithinAGridFollowsTheInsertedRowsAndRefusesItsOwnRows) {
  source->SetOptions(source->GetOptions() + goRowSelect);
  source->DragDropSettings.OleRemoveRows = true;
  source->DragDropSettings.OleInsertRows = true;
  source->DragDropSettings.OleEntireRows = true;
  source->SetSelection({0, 5, 3, 6});
  {
    ScriptedDrag drag(Client(source), At(source, 1, 6));  // inside the dragged rows
    source->OleDragCell(1, 5);
  }
  EXPECT_EQ(source->GetRowCount(), 8);
  EXPECT_EQ(Row(source, 5), "a5|b5|c5");
  source->SetSelection({0, 5, 3, 6});
  {
    ScriptedDrag drag(Client(source), At(source, 1, 2));
    source->OleDragCell(1, 5);
  }
  EXPECT_EQ(source->GetRowCount(), 8);
  EXPECT_EQ(Row(source, 2), "a5|b5|c5");
  EXPECT_EQ(Row(source, 3), "a6|b6|c6");
  EXPECT_EQ(Row(source, 4), "a2|b2|c2");
  EXPECT_EQ(Row(source, 7), "a7|b7|c7");
}

TEST_F(GridDragDrop, OneDroppedCSVFileLoadsByItsExtension) {
  TempFolder folder;
  for (const char* name : {"data.csv", "a.csv.bak", "other.csv"}) {
    std::ofstream(folder / name) << "h1,h2\r\nv1,v2\r\n";
  }
  std::vector<AnsiString> announced;
  target->OnOleDrop = [&](TObject*, int ARow, int, const AnsiString& Data, bool&) {
    if (ARow == -1) announced.push_back(Data);
  };
  std::unique_ptr<QMimeData> bak(FileData({QString::fromStdString(folder / "a.csv.bak")}));
  EXPECT_EQ(DropOn(Client(target), At(target, 1, 1), *bak), Qt::IgnoreAction);
  std::unique_ptr<QMimeData> two(FileData({QString::fromStdString(folder / "data.csv"),
                                           QString::fromStdString(folder / "other.csv")}));
  EXPECT_EQ(DropOn(Client(target), At(target, 1, 1), *two), Qt::IgnoreAction);
  EXPECT_EQ(target->Cells(1, 1), "a1");
  std::unique_ptr<QMimeData> one(FileData({QString::fromStdString(folder / "data.csv")}));
  EXPECT_EQ(DropOn(Client(target), At(target, 1, 1), *one), Qt::MoveAction);
  EXPECT_EQ(target->Cells(0, 0), "h1");
  EXPECT_EQ(target->Cells(1, 1), "v2");
  ASSERT_EQ(announced.size(), 1u);
  EXPECT_EQ(announced[0], folder / "data.csv");
}

TEST_F(GridDragDrop, ADroppedWorkbookLoadsAsASpreadsheet) {
  TempFolder folder;
  WriteZip(folder / "book.xlsx", TwoSheetWorkbook());
  std::unique_ptr<QMimeData> book(FileData({QString::fromStdString(folder / "book.xlsx")}));
  EXPECT_EQ(DropOn(Client(target), At(target, 1, 1), *book), Qt::MoveAction);
  AnsiString firstRows = Row(target, 0) + "|" + Row(target, 1);
  EXPECT_NE(firstRows.find("Preis"), AnsiString::npos) << firstRows;
}

TEST_F(GridDragDrop, RichTextLandsInOneCellWhenAware) {
  target->DragDropSettings.SetOleDropRTF(true);
  QMimeData rtf;
  rtf.setData("text/rtf", "{\\rtf1 bold}");
  rtf.setText("bold");
  EXPECT_EQ(DropOn(Client(target), At(target, 2, 2), rtf), Qt::MoveAction);
  EXPECT_EQ(target->Cells(2, 2), "{\\rtf1 bold}");
  EXPECT_EQ(target->Cells(3, 2), "c2");
  target->HideColumn(1);  // the shown column 1 is stored column 2
  EXPECT_EQ(DropOn(Client(target), At(target, 1, 3), rtf), Qt::MoveAction);
  EXPECT_EQ(target->Cells(2, 3), "{\\rtf1 bold}");
  EXPECT_EQ(target->Cells(1, 3), "a3");
}

TEST_F(GridDragDrop, ArrowsMarkTheTargetRowWhileTheDragIsOver) {
  std::unique_ptr<QMimeData> data(TextData("x"));
  QDragEnterEvent enter(At(target, 2, 3), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
  QApplication::sendEvent(Client(target), &enter);
  QDragMoveEvent move(At(target, 2, 3), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
  QApplication::sendEvent(Client(target), &move);
  TArrowWindow* arrow = target->OleState().Arrow(arrLeft);
  EXPECT_TRUE(arrow->GetVisible());
  const TRect r = target->CellRect(2, 3);
  EXPECT_EQ(arrow->GetLeft(), target->ClientToScreen(TPoint(r.Left, r.Top)).x - 10);
  QDragLeaveEvent leave;
  QApplication::sendEvent(Client(target), &leave);
  EXPECT_FALSE(arrow->GetVisible());
}

TEST(GridDragData, OffersTheColumnOnlyWithOneAndTextOnlyWhenFilled) {
  auto column = std::make_shared<Esgdd::TSourceDataObject>("", "", 2);
  std::shared_ptr<IEnumFORMATETC> formats;
  ASSERT_EQ(column->EnumFormatEtc(DATADIR_GET, formats), S_OK);
  FORMATETC entries[5];
  uint32_t fetched = 0;
  EXPECT_EQ(formats->Next(5, entries, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 4u);
  FORMATETC text;
  EXPECT_EQ(column->QueryGetData(text), DV_E_FORMATETC);  // no text to give
  FORMATETC col;
  col.cfFormat = static_cast<uint16_t>(Esgdd::Formats().ColId);
  STGMEDIUM medium;
  ASSERT_EQ(column->GetData(col, medium), S_OK);
  EXPECT_EQ(GlobalSize(medium.hGlobal), 4u);
  Esgdd::TEnumFormats reader(*column);
  EXPECT_TRUE(reader.HasCol());
  EXPECT_EQ(reader.Col(), 2);
  EXPECT_FALSE(reader.HasText());
  ReleaseStgMedium(medium);

  auto cells = std::make_shared<Esgdd::TSourceDataObject>("a\tb", "", -1);
  ASSERT_EQ(cells->EnumFormatEtc(DATADIR_GET, formats), S_OK);
  EXPECT_EQ(formats->Next(5, entries, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 3u);
  Esgdd::TEnumFormats cellReader(*cells);
  EXPECT_EQ(cellReader.Col(), -1);
  EXPECT_EQ(cellReader.Text(), "a\tb");
}

}  // namespace
