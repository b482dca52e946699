#include <gtest/gtest.h>

#include <vector>

#include "column_settings.h"
#include "locale_scope.h"
#include "components/grid/grid/ExtGridError.h"
#include "platform/core/datetime.h"
#include "components/grid/columns/ExtCGrid.h"

namespace {

std::vector<int> Tags(const TExtColumnGrid& grid) {
  std::vector<int> tags;
  for (int i = 0; i < grid.GetColumns()->Count(); ++i)
    tags.push_back(grid.GetColumns()->GetItem(i)->Tag);
  return tags;
}

void TagColumns(TExtColumnGrid& grid) {
  for (int i = 0; i < grid.GetColumns()->Count(); ++i) grid.GetColumns()->GetItem(i)->Tag = i;
}

TEST(ColumnGridColumns, FollowTheColumnCountUpAndDown) {
  TExtColumnGrid grid(nullptr);
  EXPECT_EQ(grid.GetColumns()->Count(), grid.GetColCount());
  grid.SetColCount(3);
  grid.GetColumns()->GetItem(2)->Tag = 7;
  grid.SetColCount(5);
  ASSERT_EQ(grid.GetColumns()->Count(), 5);
  EXPECT_EQ(grid.GetColumns()->GetItem(2)->Tag, 7);
  EXPECT_EQ(grid.GetColumns()->GetItem(4)->Tag, 0);
  grid.SetColCount(2);
  EXPECT_EQ(grid.GetColumns()->Count(), 2);
  // Through the inherited count and the inherited column deletion as well.
  grid.TExtStringGrid::SetColCount(6);
  EXPECT_EQ(grid.GetColumns()->Count(), 6);
  grid.DeleteColumn(1);
  EXPECT_EQ(grid.GetColumns()->Count(), 5);
  // Items added beyond the columns go when the count is set, even to what it is.
  grid.GetColumns()->Add();
  grid.SetColCount(5);
  EXPECT_EQ(grid.GetColumns()->Count(), 5);
}


TEST(ColumnGridColumns, AddedItemsHaveTheDefaultsAndTheirColumnsWidth) {
  TExtColumnGrid grid(nullptr);
  grid.GetFont()->SetSize(12);
  grid.SetColor(clAqua);
  grid.SetColCount(6);
  const TGridColumnItem* item = grid.GetColumns()->GetItem(5);
  EXPECT_EQ(item->GetWidth(), grid.ColWidths(5));
  EXPECT_EQ(item->GetAlignment(), taLeftJustify);
  EXPECT_EQ(item->GetHeader(), "");
  EXPECT_EQ(item->SortStyle, ssAutomatic);
  EXPECT_EQ(item->GetFont()->GetName(), "Tahoma");
  EXPECT_EQ(item->GetFont()->GetSize(), 12);
  EXPECT_EQ(item->GetPrintFont()->GetSize(), 12);
  EXPECT_EQ(item->GetColor(), clAqua);
  EXPECT_EQ(item->GetEditor(), edNormal);
  EXPECT_EQ(item->CheckTrue, "Y");
  EXPECT_EQ(item->CheckFalse, "N");
  EXPECT_EQ(item->SpinStep, 1);
  EXPECT_EQ(item->PrintColor, clWhite);
  EXPECT_EQ(item->GetBorderPen()->GetColor(), clSilver);
  EXPECT_EQ(item->GetBorderPen()->GetWidth(), 1);
  EXPECT_EQ(item->GetPrintBorderPen()->GetColor(), clBlack);
  EXPECT_EQ(item->ColumnPopupType, cpFixedCellsRClick);
  EXPECT_EQ(item->Position, 5);

  TGridColumnCollection loose(nullptr);
  EXPECT_EQ(loose.Add()->GetWidth(), 50);
  EXPECT_EQ(loose.GetItem(0)->GetColor(), clWindow);
}

TEST(ColumnGridColumns, ASetterOnItemsBeyondTheColumnsRaisesTheColumnCount) {
  TExtColumnGrid grid(nullptr);
  grid.GetColumns()->Add();
  TGridColumnItem* added = grid.GetColumns()->Add();
  added->SetWidth(120);  // no column yet: only kept
  EXPECT_EQ(grid.GetColCount(), 5);
  added->SetColor(clRed);
  EXPECT_EQ(grid.GetColCount(), 7);
  EXPECT_EQ(grid.GetColumns()->Count(), 7);
  EXPECT_EQ(grid.ColWidths(6), 120);
  EXPECT_EQ(added->GetWidth(), 120);
}

TEST(ColumnGridColumns, WidthsFollowEachOther) {
  TExtColumnGrid grid(nullptr);
  grid.GetColumns()->GetItem(2)->SetWidth(90);
  EXPECT_EQ(grid.ColWidths(2), 90);
  grid.SetColWidths(3, 33);
  EXPECT_EQ(grid.GetColumns()->GetItem(3)->GetWidth(), 33);
}

TEST(ColumnGridColumns, HeadersGoToRowZeroAndColumnHeaders) {
  TExtColumnGrid grid(nullptr);
  grid.GetColumns()->GetItem(1)->SetHeader("Preis");
  EXPECT_EQ(grid.Cells(1, 0), "Preis");
  ASSERT_EQ(grid.ColumnHeaders.Count(), 5);
  EXPECT_EQ(grid.ColumnHeaders.Strings(1), "Preis");

  // Row 0 written directly becomes the header when the columns are brought in step.
  grid.SetCells(3, 0, "Anzahl");
  grid.SetColCount(6);
  EXPECT_EQ(grid.GetColumns()->GetItem(3)->GetHeader(), "Anzahl");
  EXPECT_EQ(grid.ColumnHeaders.Strings(3), "Anzahl");

  // Headers a grid takes as a list.
  grid.ColumnHeaders.SetCommaText("a,b,c");
  grid.UpdateColHeaders();
  EXPECT_EQ(grid.GetColumns()->GetItem(2)->GetHeader(), "c");
  EXPECT_EQ(grid.Cells(2, 0), "c");
  EXPECT_EQ(grid.GetColumns()->GetItem(3)->GetHeader(), "Anzahl");
}


TEST(ColumnGridColumns, AMovedColumnTakesItsWholeItemAlong) {
  TExtColumnGrid grid(nullptr);
  TagColumns(grid);
  TPopupMenu menu(nullptr);
  grid.GetColumns()->GetItem(1)->SetColumnPopup(&menu);
  grid.GetColumns()->GetItem(1)->ColumnPopupType = cpAllCellsLClick;
  grid.GetColumns()->GetItem(1)->SetHeader("B");
  grid.SetCells(1, 2, "cell");
  grid.MoveColumn(1, 3);
  EXPECT_EQ(Tags(grid), (std::vector<int>{0, 2, 3, 1, 4}));
  const TGridColumnItem* moved = grid.GetColumns()->GetItem(3);
  EXPECT_EQ(moved->GetColumnPopup(), &menu);
  EXPECT_EQ(moved->ColumnPopupType, cpAllCellsLClick);
  EXPECT_EQ(moved->Rows(2), "cell");
  EXPECT_EQ(grid.ColumnHeaders.Strings(3), "B");
  grid.MoveColumn(4, 0);
  EXPECT_EQ(Tags(grid), (std::vector<int>{4, 0, 2, 3, 1}));
}


// The tests of copying and saving columns see a setting only if the fill changes it.
TEST(ColumnGridColumns, TheTestFillChangesEverySavedSetting) {
  TGridColumnCollection loose(nullptr);
  TGridColumnItem& filled = *loose.Add();
  FillColumn(filled, 1);
  ExpectColumnSettings(*loose.Add(), filled, false);
}

TEST(ColumnGridColumns, AssignCopiesEverythingButThePopupMenu) {
  TGridColumnCollection loose(nullptr);
  TGridColumnItem& source = *loose.Add();
  TGridColumnItem& target = *loose.Add();
  FillColumn(source, 1);
  TPopupMenu menu(nullptr);
  source.SetColumnPopup(&menu);
  source.ColumnPopupType = cpNormalCellsLClick;
  target.Assign(source);
  ExpectSameColumn(source, target);
  EXPECT_EQ(target.GetColumnPopup(), nullptr);
  EXPECT_EQ(target.ColumnPopupType, cpFixedCellsRClick);
}

TEST(ColumnGridColumns, SettingTheColumnsAssignsThemAndTheCountFollows) {
  TExtColumnGrid grid(nullptr);
  TGridColumnCollection loose(nullptr);
  for (int i = 0; i < 7; ++i) FillColumn(*loose.Add(), i);
  grid.SetColumns(&loose);
  EXPECT_EQ(grid.GetColCount(), 7);
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    ExpectSameColumn(*grid.GetColumns()->GetItem(i), *loose.GetItem(i));
    EXPECT_EQ(grid.ColWidths(i), 70 + i);
    EXPECT_EQ(grid.Cells(i, 0), "Header " + std::to_string(i));
  }
}

TEST(ColumnGridColumns, AFreedPopupMenuLeavesTheColumns) {
  TExtColumnGrid grid(nullptr);
  auto* menu = new TPopupMenu(nullptr);
  grid.GetColumns()->GetItem(1)->SetColumnPopup(menu);
  grid.GetColumns()->GetItem(3)->SetColumnPopup(menu);
  grid.GetColumns()->GetItem(3)->SetColumnPopup(nullptr);
  delete menu;
  EXPECT_EQ(grid.GetColumns()->GetItem(1)->GetColumnPopup(), nullptr);
}

TEST(ColumnGridColumns, ItemsReadAndWriteTheirCellsThroughMergedBlocks) {
  TExtColumnGrid grid(nullptr);
  TGridColumnItem* item = grid.GetColumns()->GetItem(2);
  item->SetRows(1, "text");
  EXPECT_EQ(grid.GetCellEx(2, 1), "text");
  grid.MergeCells(1, 3, 2, 1);
  item->SetRows(3, "merged");
  EXPECT_EQ(grid.Cells(1, 3), "merged");
  EXPECT_EQ(item->Rows(3), "merged");
}

TEST(ColumnGridColumns, ItemsReadAndWriteTypedValuesThroughTheGrid) {
  LocaleScope german(kGerman);
  TExtColumnGrid grid(nullptr);
  TGridColumnItem* item = grid.GetColumns()->GetItem(1);
  item->SetInts(1, 42);
  EXPECT_EQ(grid.Cells(1, 1), "42");
  EXPECT_EQ(item->Ints(1), 42);
  grid.SetCells(1, 2, "2,5");
  EXPECT_DOUBLE_EQ(item->Floats(2), 2.5);
  item->SetDates(3, EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(item->Dates(3), EncodeDate(2024, 2, 29));
  grid.SetCells(1, 4, "abc");
  EXPECT_THROW(item->Ints(4), EExtGridError);
}

TEST(ColumnGridColumns, AnItemsWidthIsTheColumnsRealWidth) {
  TExtColumnGrid grid(nullptr);
  grid.GetColumns()->GetItem(2)->SetWidth(77);
  EXPECT_EQ(grid.ColWidths(2), 77);
  EXPECT_EQ(grid.GetAllColWidths(2), 77);
}


TEST(ColumnGridColumns, LoadingBringsTheColumnsInStepAndSetsTheOrder) {
  TExtColumnGrid grid(nullptr);
  grid.BeginLoading();
  grid.ColumnHeaders.SetCommaText("Index,Name,Preis");
  grid.GetColumns()->GetItem(1)->Position = 9;
  grid.Loaded();
  EXPECT_EQ(grid.GetColumns()->GetItem(2)->GetHeader(), "Preis");
  EXPECT_EQ(grid.GetColumns()->GetItem(1)->Position, 1);
}

}  // namespace

namespace {

TEST(ColumnGridHidden, ItemsCountHiddenColumnsAndKeepTheirWidths) {
  TExtColumnGrid grid(nullptr);
  grid.SetColCount(5);
  grid.GetColumns()->GetItem(4)->SetWidth(70);
  grid.HideColumn(2);
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(grid.GetColumns()->Count(), 5);
  grid.GetColumns()->GetItem(4)->SetWidth(80);  // shown at display column 3
  EXPECT_EQ(grid.ColWidths(3), 80);
  const int shownWidth = grid.ColWidths(2);
  grid.GetColumns()->GetItem(2)->SetWidth(90);  // hidden: kept for it
  EXPECT_EQ(grid.ColWidths(2), shownWidth);
  grid.SetColCount(6);
  EXPECT_EQ(grid.GetColumns()->Count(), 7);
  grid.UnHideColumn(2);
  EXPECT_EQ(grid.ColWidths(2), 90);
  EXPECT_EQ(grid.GetColumns()->Count(), 7);
}

}  // namespace
