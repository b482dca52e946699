#include <gtest/gtest.h>

#include "components/grid/columns/ExtCGrid.h"
#include "platform/graphics/brush.h"

namespace {

constexpr TColor kUntouched = 0x123456;

// A grid of 5 columns and 6 rows, one fixed row and one fixed column; column 2 carries the
// settings under test.
class ColumnHooks : public testing::Test {
 protected:
  TExtColumnGrid grid{nullptr};
  TGridColumnItem* column = nullptr;

  void SetUp() override {
    grid.SetRowCount(6);
    column = grid.GetColumns()->GetItem(2);
  }

  // The brush colour and the font name GetCellColor (or GetCellPrintColor) gives a cell.
  std::pair<TColor, AnsiString> Color(int ACol, int ARow, bool Print = false) {
    TBrush brush;
    brush.SetColor(kUntouched);
    TFont font;
    font.SetName("untouched");
    if (Print)
      grid.GetCellPrintColor(ACol, ARow, {}, &brush, &font);
    else
      grid.GetCellColor(ACol, ARow, {}, &brush, &font);
    return {brush.GetColor(), font.GetName()};
  }
};

TEST_F(ColumnHooks, ColourAndFontReachTheNormalCellsOnly) {
  column->SetColor(clYellow);
  column->GetFont()->SetName("Arial");
  EXPECT_EQ(Color(2, 3), std::make_pair(clYellow, AnsiString("Arial")));
  EXPECT_EQ(Color(2, 0), std::make_pair(kUntouched, AnsiString("untouched")));  // header
  EXPECT_EQ(Color(3, 3).first, grid.GetColor());  // the other columns keep the grid's colour

  grid.SetFixedCols(3);
  EXPECT_EQ(Color(2, 3).first, kUntouched);
}

TEST_F(ColumnHooks, AFixedColumnLooksFixedAndBandsKeepTheirColours) {
  column->SetColor(clYellow);
  column->SetShowBands(true);
  EXPECT_EQ(Color(2, 3).first, clYellow);  // bands not active
  grid.Bands.SetActive(true);
  EXPECT_EQ(Color(2, 3).first, kUntouched);
  column->SetFixed(true);
  EXPECT_EQ(Color(2, 3).first, grid.GetFixedColor());
}

TEST_F(ColumnHooks, CellPropertiesAndTheEventHaveTheLastWord) {
  column->SetColor(clYellow);
  grid.GetCellProperties(2, 3)->SetBrushColor(clLime);
  EXPECT_EQ(Color(2, 3).first, clLime);
  grid.OnGetCellColor = [](TObject*, int ARow, int, TGridDrawState, TBrush* ABrush, TFont*) {
    if (ARow == 4) ABrush->SetColor(clRed);
  };
  EXPECT_EQ(Color(2, 4).first, clRed);
}

TEST_F(ColumnHooks, PrintColoursComeFromThePrintSettings) {
  column->PrintColor = clSilver;
  column->GetPrintFont()->SetName("Courier");
  column->SetColor(clYellow);
  EXPECT_EQ(Color(2, 3, true), std::make_pair(clSilver, AnsiString("Courier")));
  EXPECT_EQ(Color(2, 0, true).first, kUntouched);
  column->SetShowBands(true);
  grid.Bands.SetActive(true);
  EXPECT_EQ(Color(2, 3, true).first, clSilver);  // bands not printed
  grid.Bands.Print = true;
  EXPECT_EQ(Color(2, 3, true).first, kUntouched);
}

TEST_F(ColumnHooks, AlignmentReachesTheHeaderToo) {
  column->SetAlignment(taCenter);
  TAlignment header = taLeftJustify, cell = taLeftJustify, other = taRightJustify;
  TVAlignment v = vtaTop;
  grid.GetCellAlign(2, 0, header, v);
  grid.GetCellAlign(2, 4, cell, v);
  grid.GetCellAlign(3, 4, other, v);
  EXPECT_EQ(header, taCenter);
  EXPECT_EQ(cell, taCenter);
  EXPECT_EQ(other, taLeftJustify);  // the column's default
  grid.OnGetAlignment = [](TObject*, int, int, TAlignment& HAlign, TVAlignment&) {
    HAlign = taRightJustify;
  };
  grid.GetCellAlign(2, 4, cell, v);
  EXPECT_EQ(cell, taRightJustify);
}

TEST_F(ColumnHooks, EditorFixedReadOnlyAndPasswordOfTheColumn) {
  column->SetEditor(edSpinEdit);
  TEditorType editor = edNormal, header = edNormal;
  grid.GetCellEditor(2, 2, editor);
  grid.GetCellEditor(2, 0, header);
  EXPECT_EQ(editor, edSpinEdit);
  EXPECT_EQ(header, edNormal);
  grid.OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edFloat; };
  grid.GetCellEditor(2, 2, editor);
  EXPECT_EQ(editor, edFloat);

  bool canEdit = true;
  column->ReadOnly = true;
  grid.GetCellReadOnly(2, 2, canEdit);
  EXPECT_FALSE(canEdit);
  column->ReadOnly = false;
  grid.GetCellReadOnly(2, 2, canEdit);
  EXPECT_TRUE(canEdit);

  column->SetFixed(true);
  EXPECT_TRUE(grid.IsFixed(2, 3));
  EXPECT_FALSE(grid.IsFixed(3, 3));
  grid.GetCellReadOnly(2, 2, canEdit);
  EXPECT_FALSE(canEdit);

  column->SetPassword(true);
  bool password = false;
  grid.GetCellPassword(2, 0, password);
  EXPECT_TRUE(password);
}

TEST_F(ColumnHooks, CheckTextsOfTheColumnWinOverTheEventInTheNormalArea) {
  column->CheckTrue = "ja";
  column->CheckFalse = "nein";
  grid.OnGetCheckTrue = [](TObject*, int, int, AnsiString& Value) { Value = "event"; };
  AnsiString value;
  grid.GetCheckTrue(2, 3, value);
  EXPECT_EQ(value, "ja");
  grid.GetCheckTrue(2, 0, value);
  EXPECT_EQ(value, "event");
  grid.GetCheckFalse(2, 3, value);
  EXPECT_EQ(value, "nein");
  grid.GetCheckFalse(3, 3, value);
  EXPECT_EQ(value, "N");
}

TEST_F(ColumnHooks, SortFormatOfTheNormalColumns) {
  grid.GetColumns()->GetItem(0)->SortStyle = ssDate;
  column->SortStyle = ssNumeric;
  column->SortPrefix = "EUR ";
  column->SortSuffix = " St.";
  TSortStyle style = ssAutomatic;
  AnsiString prefix, suffix;
  grid.GetColFormat(2, style, prefix, suffix);
  EXPECT_EQ(style, ssNumeric);
  EXPECT_EQ(prefix, "EUR ");
  EXPECT_EQ(suffix, " St.");
  style = ssAutomatic;
  grid.GetColFormat(0, style, prefix, suffix);
  EXPECT_EQ(style, ssAutomatic);
}


TEST_F(ColumnHooks, FilterEntriesAndSizeLimits) {
  EXPECT_FALSE(grid.GetFilter(2));
  column->GetFilter()->Add("Big=>100");
  EXPECT_TRUE(grid.GetFilter(2));
  EXPECT_FALSE(grid.GetFilter(9));

  column->MinSize = 30;
  column->MaxSize = 100;
  column->AutoMaxSize = 80;
  int narrow = 10, wide = 150, automatic = 150, other = 10;
  grid.UpdateColSize(2, narrow);
  grid.UpdateColSize(2, wide);
  grid.UpdateAutoColSize(2, automatic);
  grid.UpdateColSize(3, other);
  EXPECT_EQ(narrow, 30);
  EXPECT_EQ(wide, 100);
  EXPECT_EQ(automatic, 80);
  EXPECT_EQ(other, 10);
  grid.OnUpdateColumnSize = [](TObject*, int, int& AWidth) { AWidth += 1; };
  grid.UpdateColSize(2, wide);
  EXPECT_EQ(wide, 101);
}

TEST_F(ColumnHooks, EditLimitAndMaskOfTheColumn) {
  column->EditLength = 12;
  column->EditMask = "0000";
  grid.SetCol(2);
  EXPECT_EQ(grid.GetEditLimit(), 12);
  EXPECT_EQ(grid.GetEditMask(2, 3), "0000");
  grid.OnGetEditMask = [](TObject*, int, int, AnsiString& Value) { Value = "AAA"; };
  EXPECT_EQ(grid.GetEditMask(2, 3), "AAA");
  grid.GetColumns()->GetItem(0)->EditLength = 5;
  grid.SetFixedCols(0);
  grid.SetCol(0);
  EXPECT_EQ(grid.GetEditLimit(), 5);
}

}  // namespace
