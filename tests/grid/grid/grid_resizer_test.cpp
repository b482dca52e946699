// The selection resizer with real mouse events: the handle at the selection's bottom-right
// corner dragged over more cells fills them as a smart paste would, and leaves the clipboard
// as it was.
#include <gtest/gtest.h>

#include "components/grid/grid/ExtGrid.h"
#include "grid_text.h"
#include "platform/controls/clipboard.h"
#include "shown_grid.h"

namespace {

class NotedPasteGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  void PasteNotify(const TPoint& Origin, const TGridRect& R, TClipOperation Op) override {
    origin = Origin;
    pasted = R;
    operation = Op;
  }
  TPoint origin{-1, -1};
  TGridRect pasted{-1, -1, -1, -1};
  TClipOperation operation = coCut;
};

class SelectionResizer : public ShownGrid<NotedPasteGrid> {
 protected:
  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetColCount(5);
    grid->SetRowCount(6);
    grid->Navigation.AllowSmartClipboard = true;
    grid->SetSelectionResizer(true);
    grid->SetSelectionRectangle(true);
    ShowFocused();
  }
  // The handle is the 4 by 4 square inside the bottom-right corner of the selection.
  QPoint Handle() const {
    const TGridRect sel = grid->GetSelection();
    const TRect r = grid->CellRect(sel.Right, sel.Bottom);
    return {r.Right - 2, r.Bottom - 2};
  }
  void Hover(QPoint at) { QTest::mouseMove(Client(), at); }
  void DragHandleTo(QPoint to) {
    const QPoint from = Handle();
    Hover(from);
    Drag(from, to);
  }
};

TEST_F(SelectionResizer, DraggingTheHandleContinuesASeriesAndLeavesTheClipboardAlone) {
  grid->SetCells(3, 3, "cut");
  grid->SetSelection({3, 3, 3, 3});
  grid->CutSelectionToClipboard();
  grid->SetCells(1, 1, "1");
  grid->SetCells(1, 2, "2");
  grid->SetSelection({1, 1, 1, 2});
  DragHandleTo(At(1, 4));
  EXPECT_EQ(ColumnText(*grid, 1), "|1|2|3|4|");
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 1, 4}));
  EXPECT_EQ(grid->origin, TPoint(1, 1));
  EXPECT_EQ(grid->operation, TExtStringGrid::coCopy);
  EXPECT_EQ(Clipboard()->GetAsText(), "cut\t");
  // The paste wrote although the grid does not edit; it still does not.
  EXPECT_FALSE(grid->GetOptions().Contains(goEditing));
  EXPECT_EQ(grid->PasteFunc(3, 1), 0);
  // A paste from the clipboard still tells the cut's origin and operation.
  grid->SetOptions(grid->GetOptions() + goEditing);
  EXPECT_EQ(grid->PasteFunc(3, 1), 1);
  EXPECT_EQ(grid->Cells(3, 1), "cut");
  EXPECT_EQ(grid->origin, TPoint(3, 3));
  EXPECT_EQ(grid->operation, TExtStringGrid::coCut);
}

TEST_F(SelectionResizer, OneValueCopiesAlongTheDragButAClickRewritesNothing) {
  grid->SetCells(1, 1, "x");
  grid->SetSelection({1, 1, 1, 1});
  DragHandleTo(At(3, 1));
  EXPECT_EQ(RowText(*grid, 1), "|x|x|x|");
  // A series would make the third value 9.
  grid->SetCells(1, 2, "5");
  grid->SetCells(1, 3, "7");
  grid->SetSelection({1, 1, 1, 3});
  grid->SetCells(1, 1, "1");
  DragHandleTo(Handle());
  EXPECT_EQ(ColumnText(*grid, 1), "|1|5|7||");
}

TEST_F(SelectionResizer, AnEditingGridKeepsItsReadOnlyCellsAndOpensNoEditor) {
  grid->SetOptions(grid->GetOptions() + goEditing);
  grid->OnCanEditCell = [](TObject*, int ARow, int, bool& CanEdit) { CanEdit = ARow != 3; };
  grid->SetCells(2, 1, "5");
  grid->SetCells(2, 2, "10");
  grid->SetSelection({2, 1, 2, 2});
  DragHandleTo(At(2, 4));
  EXPECT_EQ(ColumnText(*grid, 2), "|5|10||20|");
  EXPECT_FALSE(grid->GetEditorMode());
  // The drag ended on an editable cell: the grid edits as before.
  EXPECT_TRUE(grid->GetOptions().Contains(goEditing));
}

TEST_F(SelectionResizer, WithoutAnyOfItsThreeSettingsTheHandleSelectsAsAnyCell) {
  grid->SetCells(1, 1, "1");
  grid->SetCells(1, 2, "2");
  for (int off = 0; off < 3; ++off) {
    grid->Navigation.AllowSmartClipboard = off != 0;
    grid->SetSelectionResizer(off != 1);
    grid->SetSelectionRectangle(off != 2);
    grid->SetSelection({1, 1, 1, 2});
    DragHandleTo(At(1, 4));
    EXPECT_EQ(ColumnText(*grid, 1), "|1|2|||") << off;
    EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 2, 1, 4})) << off;
  }
  // A press elsewhere forgets a resize whose release never came.
  grid->SetSelectionRectangle(true);
  grid->SetSelection({1, 1, 1, 2});
  Hover(Handle());
  Press(Handle());
  Press(At(3, 4));
  Release(At(3, 4));
  EXPECT_EQ(ColumnText(*grid, 3), "|||||");
}

TEST_F(SelectionResizer, TheHandleShowsTheCrossCursorOverItOnly) {
  grid->SetSelection({1, 1, 2, 2});
  const QPoint handle = Handle();
  Hover(handle);
  EXPECT_EQ(Client()->cursor().shape(), Qt::CrossCursor);
  Hover(handle - QPoint(4, 0));
  EXPECT_EQ(Client()->cursor().shape(), Qt::ArrowCursor);
  Hover(handle);
  grid->SetSelectionResizer(false);
  Hover(handle + QPoint(1, 1));
  EXPECT_EQ(Client()->cursor().shape(), Qt::ArrowCursor);
  // Scrolled out of view, the selection leaves no handle under the fixed column.
  grid->SetSelectionResizer(true);
  grid->SetColCount(12);
  grid->SetColWidths(0, grid->ColWidths(1));
  grid->SetSelection({1, 1, 1, 1});
  grid->SetLeftCol(2);
  Hover(Handle());
  EXPECT_EQ(Client()->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
