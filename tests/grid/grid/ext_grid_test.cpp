#include <gtest/gtest.h>

#include <stdexcept>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "platform/winapi/system_metrics.h"
#include "shown_grid.h"

namespace {

// The full grid with the state the editing code keeps, and a count of the cells it draws.
class EditedGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::HiddenRows;
  using TExtStringGrid::TExtStringGrid;
  int draws = 0;
  void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                    TGridDrawState AState) override {
    ++draws;
    TExtStringGrid::DrawGridCell(ACanvas, ACol, ARow, ARect, AState);
  }
  // What the editing code does when an edit of the current cell starts.
  void StartEdit() {
    InitValidate(GetCol(), GetRow());
    EditActive = true;
  }
  bool Editing() const { return EditActive; }
};

using ExtGrid = ShownGrid<EditedGrid>;

TEST(ExtGridMadeInCode, DefaultsAndSubObjects) {
  TExtStringGrid grid(nullptr);
  EXPECT_EQ(grid.GetFont()->GetName(), "Tahoma");
  EXPECT_EQ(grid.GetFixedFont()->GetName(), "Tahoma");
  EXPECT_EQ(grid.GetActiveCellFont()->GetStyle(), TFontStyles{fsBold});
  EXPECT_EQ(grid.GetDefaultRowHeight(), 21);
  EXPECT_EQ(grid.GetActiveCellColor(), clGray);
  EXPECT_FALSE(grid.GetActiveCellShow());
  EXPECT_EQ(grid.GetXYOffset(), TPoint(2, 2));
  EXPECT_TRUE(grid.EnableWheel);
  EXPECT_TRUE(grid.IntelliZoom);
  EXPECT_FALSE(grid.AutoSize);
  EXPECT_EQ(grid.HintColor, clInfoBk);
  EXPECT_EQ(grid.GetSelectionColor(), clHighlight);
  EXPECT_EQ(grid.GetSelectionTextColor(), clHighlightText);
  EXPECT_TRUE(grid.GetShowSelection());
  EXPECT_FALSE(grid.HideFocusRect);
  EXPECT_FALSE(grid.FixedAsButtons);
  EXPECT_TRUE(grid.EnableHTML);
  EXPECT_EQ(grid.URLColor, clBlue);
  EXPECT_EQ(grid.GetVAlignment(), vtaTop);
  EXPECT_EQ(grid.FloatFormat, "%.2f");
  EXPECT_EQ(grid.PasswordChar, '*');
  EXPECT_EQ(grid.CheckTrue, "Y");
  EXPECT_EQ(grid.CheckFalse, "N");
  EXPECT_EQ(grid.Look, glSoft);
  EXPECT_EQ(grid.ScrollType, ssNormal);
  EXPECT_EQ(grid.ScrollColor, clNone);
  EXPECT_EQ(grid.ScrollWidth, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_GT(grid.ScrollWidth, 0);
  EXPECT_EQ(grid.GetOrvikGradFrom(), clSilver);
  EXPECT_EQ(grid.GetOrvikGradTo(), clWhite);
  EXPECT_FALSE(grid.GetLockFlag());
  EXPECT_EQ(grid.Delimiter, '\0');
  EXPECT_TRUE(grid.SaveFixedCells);
  EXPECT_FALSE(grid.SaveHiddenCells);
  EXPECT_TRUE(grid.QuoteEmptyCells);
  EXPECT_FALSE(grid.AlwaysQuotes);
  EXPECT_EQ(grid.GetVersionString(), "2.2.0.6 April, 2002");

  EXPECT_TRUE(grid.SortSettings.Full);
  EXPECT_TRUE(grid.SortSettings.AutoFormat);
  EXPECT_EQ(grid.SortSettings.GetDirection(), sdAscending);
  EXPECT_TRUE(grid.SortSettings.GetUpGlyph()->GetEmpty());
  EXPECT_EQ(grid.CellNode.GetColor(), clSilver);
  EXPECT_EQ(grid.CellNode.GetNodeType(), cnFlat);
  EXPECT_FALSE(grid.MouseActions.DisjunctRowSelect);
  EXPECT_EQ(grid.ColumnSize.StretchColumn, -1);
  EXPECT_EQ(grid.ColumnSize.Location, clRegistry);
  EXPECT_TRUE(grid.Navigation.AllowClipboardColGrow);
  EXPECT_TRUE(grid.Navigation.CopyHTMLTagsToClipboard);
  EXPECT_EQ(grid.Navigation.AdvanceDirection, adLeftRight);
  EXPECT_EQ(grid.Navigation.InsertPosition, pInsertBefore);
  EXPECT_EQ(grid.Navigation.HomeEndKey, heFirstLastColumn);
  EXPECT_EQ(grid.HTMLSettings.BorderSize, 1);
  EXPECT_EQ(grid.HTMLSettings.Width, 100);
  EXPECT_EQ(grid.BackGround.GetDisplay(), bdTile);
  EXPECT_EQ(grid.BackGround.GetCells(), bcNormal);
  EXPECT_EQ(grid.Bands.GetSecondaryColor(), clWindow);
  EXPECT_EQ(grid.Bands.GetPrimaryColor(), clInfoBk);
  EXPECT_EQ(grid.ControlLook.GetCheckSize(), 15);
  EXPECT_EQ(grid.ControlLook.GetRadioSize(), 10);
  EXPECT_EQ(grid.ControlLook.GetControlStyle(), csClassic);
  EXPECT_TRUE(grid.DragDropSettings.OleAcceptText);
  EXPECT_TRUE(grid.DragDropSettings.OleAcceptFiles);
  EXPECT_FALSE(grid.DragDropSettings.GetOleDropTarget());
  EXPECT_EQ(grid.Filter.Count(), 0);
}

TEST(ExtGridFormResize, TheFormsHandlerIsTakenOverAndHandedBack) {
  TForm form(nullptr);
  int formResized = 0;
  form.OnResize = [&](TObject*) { ++formResized; };
  auto* first = new TExtStringGrid(&form);
  auto* second = new TExtStringGrid(&form);
  form.OnResize(&form);
  EXPECT_EQ(formResized, 1);  // through both grids to the form's own handler
  delete first;               // freed before the form, and not the last to take over
  form.OnResize(&form);
  EXPECT_EQ(formResized, 2);
  delete second;
  form.OnResize(&form);
  EXPECT_EQ(formResized, 3);
  EXPECT_EQ(form.OnResize.target<void (*)(TObject*)>(), nullptr);

  auto* grid = new TExtStringGrid(&form);
  (void)grid;
  form.OnResize = [](TObject*) { throw std::runtime_error("the form's own fault"); };
  auto* throwing = new TExtStringGrid(&form);
  EXPECT_NO_THROW(form.OnResize(&form));
  delete throwing;
  EXPECT_THROW(form.OnResize(&form), std::runtime_error);  // the form's handler is back
}

TEST(ExtGridFormResize, AGridWithoutAFormTakesNothing) {
  TExtStringGrid owner(nullptr);
  TExtStringGrid grid(&owner);
  EXPECT_FALSE(owner.OnResize);
}

TEST_F(ExtGrid, NestedUpdatesPaintOnlyAtTheOutermostEnd) {
  ShowFocused();
  QApplication::processEvents();
  grid->BeginUpdate();
  grid->BeginUpdate();
  grid->draws = 0;
  grid->SetCells(1, 1, "changed");
  Render();
  grid->EndUpdate();
  QApplication::processEvents();
  EXPECT_EQ(grid->draws, 0);
  EXPECT_TRUE(grid->GetLockFlag());
  grid->EndUpdate();
  QApplication::processEvents();
  EXPECT_GT(grid->draws, 0);
  grid->draws = 0;
  grid->EndUpdate();  // one too many: still repaints, the count stays at 0
  QApplication::processEvents();
  EXPECT_GT(grid->draws, 0);
  EXPECT_FALSE(grid->GetLockFlag());
  grid->SetLockFlag(true);
  grid->SetLockFlag(true);
  grid->ResetUpdate();
  EXPECT_FALSE(grid->GetLockFlag());
}

TEST_F(ExtGrid, FixedCells) {
  grid->SetRowCount(1);
  grid->SetFixedRows(0);
  EXPECT_FALSE(grid->IsFixed(1, 0));
  grid->FixedRowAlways = true;
  EXPECT_TRUE(grid->IsFixed(1, 0));
  EXPECT_EQ(grid->GetFixedRowsEx(), 1);
  std::vector<TPoint> asked;
  grid->OnIsFixedCell = [&](TObject*, int row, int col, bool& fixed) {
    asked.push_back({col, row});
    fixed = col == 3;
  };
  EXPECT_TRUE(grid->IsFixed(0, 0));  // fixed column: the event is not asked
  grid->FixedRowAlways = false;
  EXPECT_TRUE(grid->IsFixed(3, 0));
  EXPECT_FALSE(grid->IsFixed(2, 0));
  EXPECT_EQ(asked, (std::vector<TPoint>{{3, 0}, {2, 0}}));
}

TEST_F(ExtGrid, SortRowUpToTheFixedRows) {
  grid->SetFixedRows(1);
  grid->SortSettings.SetRow(1);
  EXPECT_THROW(grid->SortSettings.SetRow(2), EExtGridError);
  grid->SetFixedRows(0);
  grid->FixedRowAlways = true;
  grid->SortSettings.SetRow(1);
  EXPECT_EQ(grid->SortSettings.GetRow(), 1);
}

TEST_F(ExtGrid, CellColourRuleThenEvent) {
  TBrush brush;
  TFont font;
  brush.SetColor(clWhite);
  grid->GetCellColor(2, 2, {}, &brush, &font);
  EXPECT_EQ(brush.GetColor(), clWhite);  // nothing set: the caller's colours stay

  grid->SetActiveCellShow(true);
  grid->SetCol(2);
  grid->SetRow(3);
  grid->GetCellColor(0, 3, {}, &brush, &font);
  EXPECT_EQ(brush.GetColor(), clGray);
  EXPECT_TRUE(font.GetStyle().Contains(fsBold));
  brush.SetColor(clWhite);
  grid->GetCellColor(2, 0, {}, &brush, &font);
  EXPECT_EQ(brush.GetColor(), clGray);

  TCellProperties* props = grid->GetCellProperties(1, 1);
  props->SetBrushColor(clYellow);
  props->FontName = "Courier";
  props->FontSize = 14;
  font.SetName("Arial");
  font.SetColor(clBlack);
  grid->GetCellColor(1, 1, {}, &brush, &font);
  EXPECT_EQ(brush.GetColor(), clYellow);
  EXPECT_EQ(font.GetName(), "Courier");
  EXPECT_EQ(font.GetSize(), 14);
  EXPECT_EQ(font.GetColor(), clBlack);  // clNone in the properties: untouched

  grid->OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush* b, TFont*) {
    b->SetColor(clLime);
  };
  grid->GetCellColor(1, 1, {}, &brush, &font);
  EXPECT_EQ(brush.GetColor(), clLime);
}

TEST_F(ExtGrid, CheckTextsThenEvent) {
  AnsiString value;
  grid->GetCheckTrue(1, 1, value);
  EXPECT_EQ(value, "Y");
  grid->OnGetCheckFalse = [](TObject*, int col, int, AnsiString& v) {
    if (col == 2) v = "nein";
  };
  grid->GetCheckFalse(1, 1, value);
  EXPECT_EQ(value, "N");
  grid->GetCheckFalse(2, 1, value);
  EXPECT_EQ(value, "nein");
}

struct CountingNotifier : TGridChangeNotifier {
  std::vector<TRect> told;
  void CellsChanged(TObject*, const TRect& R) override { told.push_back(R); }
};

TEST_F(ExtGrid, ChangedCellsReachTheEventAndEachNotifierOnce) {
  CountingNotifier notifier;
  grid->RegisterNotifier(&notifier);
  grid->RegisterNotifier(&notifier);
  std::vector<TRect> events;
  grid->OnCellsChanged = [&](TObject*, TRect R) { events.push_back(R); };
  grid->CellsChanged({1, 2, 3, 4});
  EXPECT_EQ(events, std::vector<TRect>{TRect(1, 2, 3, 4)});
  EXPECT_EQ(notifier.told, std::vector<TRect>{TRect(1, 2, 3, 4)});
  grid->UnRegisterNotifier(&notifier);
  grid->CellsChanged({0, 0, 0, 0});
  EXPECT_EQ(notifier.told.size(), 1u);
}

// A notifier freed while registered, even by another one being told, is told nothing more.
TEST_F(ExtGrid, AFreedNotifierLeavesTheGrid) {
  TGridChangeNotifier plain;  // the base hears and does nothing
  grid->RegisterNotifier(&plain);
  auto* first = new CountingNotifier;
  auto* second = new CountingNotifier;
  struct Freeing : TGridChangeNotifier {
    CountingNotifier* victim = nullptr;
    void CellsChanged(TObject*, const TRect&) override {
      delete victim;
      victim = nullptr;
    }
  } freeing;
  freeing.victim = second;
  grid->RegisterNotifier(first);
  grid->RegisterNotifier(&freeing);
  grid->RegisterNotifier(second);
  grid->CellsChanged({1, 1, 1, 1});
  EXPECT_EQ(first->told.size(), 1u);
  delete first;
  grid->CellsChanged({2, 2, 2, 2});  // reaches neither freed one
  grid->UnRegisterNotifier(&plain);
  grid->UnRegisterNotifier(&freeing);
}

class Validation : public ExtGrid {
 protected:
  void SetUp() override {
    ExtGrid::SetUp();
    grid->SetOptions(grid->GetOptions() + goEditing);
    grid->SetCells(2, 2, "before");
    ShowFocused();
    grid->SetCol(2);
    grid->SetRow(2);
    grid->StartEdit();
  }
};

TEST_F(Validation, AcceptedValueIsWritten) {
  EXPECT_TRUE(grid->ValidateCell("after"));
  EXPECT_EQ(grid->Cells(2, 2), "after");
  EXPECT_FALSE(grid->Editing());
  EXPECT_TRUE(grid->ValidateCell("ignored"));  // no edit open
  EXPECT_EQ(grid->Cells(2, 2), "after");
}

TEST_F(Validation, RefusedValueGivesBackTheOldTextAndReopensTheEditor) {
  std::vector<AnsiString> offered;
  grid->OnCellValidate = [&](TObject*, int col, int row, AnsiString& value, bool& valid) {
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    offered.push_back(value);
    valid = false;
  };
  grid->SetCells(2, 2, "typed");  // the editor has written its text already
  EXPECT_FALSE(grid->ValidateCell("typed"));
  EXPECT_EQ(offered, std::vector<AnsiString>{"typed"});
  EXPECT_EQ(grid->Cells(2, 2), "before");
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  EXPECT_TRUE(grid->GetEditorMode());
  EXPECT_TRUE(grid->Editing());
}

TEST_F(Validation, ValueChangedByTheHandlerIsWritten) {
  grid->OnCellValidate = [](TObject*, int, int, AnsiString& value, bool& valid) {
    value = "corrected";
    valid = value.size() > 20;
  };
  EXPECT_FALSE(grid->ValidateCell("wrong"));
  EXPECT_EQ(grid->Cells(2, 2), "corrected");
  EXPECT_TRUE(grid->GetEditorMode());
}

TEST_F(Validation, UnchangedValueAsksNobody) {
  bool asked = false;
  grid->OnCellValidate = [&](TObject*, int, int, AnsiString&, bool&) { asked = true; };
  EXPECT_TRUE(grid->ValidateCell("before"));
  EXPECT_FALSE(asked);
}

TEST_F(ExtGrid, HeadersAreWrittenAtLoading) {
  grid->ColumnHeaders.SetCommaText("Nr,Name,Preis");
  grid->RowHeaders.SetCommaText("x,erste,zweite");
  grid->Loaded();
  EXPECT_EQ(grid->Cells(1, 0), "Name");
  EXPECT_EQ(grid->Cells(0, 2), "zweite");
  EXPECT_EQ(grid->Cells(0, 0), "x");  // the row headers come last
}

TEST_F(ExtGrid, HiddenRowsGiveUpTheirObjectsWithTheGrid) {
  // Checked by the leak sanitizer: the set-aside row's object must not outlive the grid.
  grid->SetRowCount(5);
  grid->SetColors(1, 3, clRed);
  grid->HideRow(3);
  ASSERT_EQ(grid->NumHiddenRows(), 1);
}

TEST_F(ExtGrid, IntegralHeightWithoutARowHeightLeavesTheHeight) {
  grid->SetIntegralHeight(true);
  grid->SetDefaultRowHeight(0);
  grid->SetBounds(0, 0, 200, 100);
  EXPECT_EQ(grid->GetHeight(), 100);
  grid->SetDefaultRowHeight(20);
  grid->SetColCount(50);  // not all columns fit
  grid->SetBounds(0, 0, 200, 105);
  EXPECT_EQ(grid->GetHeight(), 99);
}

}  // namespace
