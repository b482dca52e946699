// The full grid's access to single cells: typed texts with their errors, the count
// properties, per-cell looks, the real numbering of hidden rows, headers and edit texts.
#include <gtest/gtest.h>

#include "components/grid/grid/ExtGrid.h"
#include "ext_grid_error.h"
#include "locale_scope.h"
#include "platform/core/exception.h"

namespace {

// The grid with what the hiding and editing code reach.
class CellGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::GetEditText;
  using TExtStringGrid::HiddenRows;
  using TExtStringGrid::SetEditText;
  using TExtStringGrid::TExtStringGrid;
};

class TypedCells : public testing::TestWithParam<LocaleSettings> {
 protected:
  LocaleScope locale_{GetParam()};
  TExtStringGrid grid{nullptr};
};

INSTANTIATE_TEST_SUITE_P(Locales, TypedCells, testing::Values(kGerman, kEnglish), LocaleName);

TEST_P(TypedCells, Integers) {
  struct Case {
    const char* text;
    int value;
  };
  for (const Case& c :
       {Case{"", 0}, Case{"42", 42}, Case{" -7 ", -7}, Case{"2147483647", 2147483647}}) {
    grid.SetCellEx(1, 1, c.text);
    EXPECT_EQ(grid.GetInts(1, 1), c.value) << c.text;
  }
  for (const char* bad : {"1,5", "1.5", "abc", "12a", "2147483648", " "}) {
    grid.SetCellEx(1, 1, bad);
    EXPECT_EQ(ErrorOf([&] { grid.GetInts(1, 1); }), "Cell does not contain integer value") << bad;
    EXPECT_EQ(grid.GetCellEx(1, 1), bad);
  }
  grid.SetInts(2, 3, -12);
  EXPECT_EQ(grid.GetCellEx(2, 3), "-12");
}

// Texts are written with German separators and localised.
TEST_P(TypedCells, Floats) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {{"", 0},  {"1.234,5", 1234.5}, {"-0,25", -0.25}, {"1.000.000", 1e6},
                        {"7", 7}, {"12.34,5", 1234.5}};
  for (const Case& c : cases) {
    grid.SetCellEx(1, 1, Localised(c.text));
    EXPECT_DOUBLE_EQ(grid.GetFloats(1, 1), c.value) << c.text;
  }
  for (const char* bad : {"1,2,3", "abc", "1,5 kg"}) {
    grid.SetCellEx(1, 1, Localised(bad));
    EXPECT_EQ(ErrorOf([&] { grid.GetFloats(1, 1); }), "Cell does not contain a float value") << bad;
  }
  grid.SetFloats(1, 1, 1234.5);
  EXPECT_EQ(grid.GetCellEx(1, 1), Localised("1234,50"));
  EXPECT_DOUBLE_EQ(grid.GetFloats(1, 1), 1234.5);
  grid.FloatFormat = "%.3n EUR";
  grid.SetFloats(1, 1, -1234.5);
  EXPECT_EQ(grid.GetCellEx(1, 1), Localised("-1.234,500 EUR"));
}

TEST_P(TypedCells, DatesAndTimes) {
  const TDateTime date = EncodeDate(2005, 4, 3);
  grid.SetDates(1, 1, date);
  EXPECT_EQ(grid.GetCellEx(1, 1), DecimalSeparator == ',' ? "03.04.2005" : "4/3/2005");
  EXPECT_EQ(grid.GetDates(1, 1), date);
  const TDateTime time = (8 * 3600 + 5 * 60 + 30) / 86400.0;
  grid.SetTimes(1, 2, date + time);
  EXPECT_EQ(grid.GetCellEx(1, 2), "08:05:30");
  EXPECT_DOUBLE_EQ(grid.GetTimes(1, 2), time);
  grid.SetCellEx(1, 3, "soon");
  EXPECT_THROW(grid.GetDates(1, 3), EConvertError);
  EXPECT_THROW(grid.GetTimes(1, 3), EConvertError);
}

TEST(ExtGridCells, CurrentAndStrippedCells) {
  TExtStringGrid grid(nullptr);
  grid.SetCol(2);
  grid.SetRow(3);
  grid.SetCurrentCell("here");
  EXPECT_EQ(grid.GetCellEx(2, 3), "here");
  EXPECT_EQ(grid.GetCurrentCell(), "here");
  grid.SetCellEx(1, 1, "<b>bold</b><BR>next <i>line");
  EXPECT_EQ(grid.GetStrippedCell(1, 1), "bold\r\nnext line");
}

TEST(ExtGridCounts, AFixedRowOrColumnIsAddedOnlyWhereThereIsNone) {
  TExtStringGrid grid(nullptr);
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  grid.FixedRowAlways = true;
  grid.FixedColAlways = true;
  grid.SetRowCountEx(1);
  grid.SetColCountEx(1);
  EXPECT_EQ(grid.GetFixedRows(), 0);
  EXPECT_EQ(grid.GetFixedRowsEx(), 1);
  EXPECT_EQ(grid.GetFixedColsEx(), 1);
  grid.SetRowCountEx(5);
  grid.SetColCount(4);  // the property's setter
  EXPECT_EQ(grid.GetFixedRows(), 1);
  EXPECT_EQ(grid.GetFixedCols(), 1);
  EXPECT_EQ(grid.GetRowCountEx(), 5);
  EXPECT_EQ(grid.GetColCountEx(), 4);
  // A second header row stays.
  grid.SetFixedRowsEx(2);
  grid.SetFixedColsEx(2);
  grid.SetRowCount(10);
  grid.SetColCountEx(6);
  EXPECT_EQ(grid.GetFixedRowsEx(), 2);
  EXPECT_EQ(grid.GetFixedColsEx(), 2);
}

TEST(ExtGridCounts, TheRowCountIsTheDataRowCount) {
  TExtStringGrid grid(nullptr);
  int asked = 0;
  grid.OnGetDisplText = [&](TObject*, int, int, AnsiString&) { ++asked; };
  grid.SetRowCountEx(3);
  grid.GetCellEx(1, 2);
  EXPECT_EQ(asked, 1);
  grid.SetRowCountEx(2);
  grid.GetCellEx(1, 2);  // beyond the data rows
  EXPECT_EQ(asked, 1);
}

TEST(ExtGridCounts, FixedSizes) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(5);
  grid.SetRowCount(5);
  grid.SetFixedCols(2);
  grid.SetFixedRows(2);
  grid.SetFixedColWidth(30);
  grid.SetFixedRowHeight(40);
  EXPECT_EQ(grid.ColWidths(1), 30);
  EXPECT_EQ(grid.ColWidths(2), grid.GetDefaultColWidth());
  EXPECT_EQ(grid.RowHeights(1), 40);
  EXPECT_EQ(grid.RowHeights(2), 21);
  grid.SetFixedFooters(-3);
  EXPECT_EQ(grid.GetFixedFooters(), 0);
}

TEST(ExtGridCounts, AnIntegralHeightStaysWhenTheBoundsApplyAgain) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(60);  // more columns than fit
  grid.SetBounds(0, 0, 200, 204);
  grid.SetIntegralHeight(true);
  EXPECT_EQ(grid.GetHeight(), 188);  // 9 rows of 21, less one pixel
  grid.SetColCountEx(61);
  grid.SetColCountEx(62);
  grid.SetIntegralHeight(true);
  EXPECT_EQ(grid.GetHeight(), 188);
}

TEST(ExtGridStyle, GettersMakeNoPropertiesAndSettersDo) {
  TExtStringGrid grid(nullptr);
  EXPECT_EQ(grid.GetColors(1, 1), clNone);
  EXPECT_EQ(grid.GetFontColors(1, 1), clNone);
  EXPECT_TRUE(grid.GetFontStyles(1, 1).Empty());
  EXPECT_EQ(grid.GetFontSizes(1, 1), 0);
  EXPECT_EQ(grid.GetFontNames(1, 1), "");
  EXPECT_EQ(grid.GetAlignments(1, 1), taLeftJustify);
  EXPECT_FALSE(grid.HasCellProperties(1, 1));
  grid.SetColors(1, 1, clRed);
  grid.SetFontNames(1, 1, "Courier");
  EXPECT_EQ(grid.GetCellProperties(1, 1)->GetBrushColor(), clRed);
  EXPECT_EQ(grid.GetFontNames(1, 1), "Courier");
  // Exactly the cell asked for: a merged block's other cells keep their own.
  grid.MergeCells(1, 1, 2, 1);
  EXPECT_EQ(grid.GetColors(2, 1), clNone);
}

TEST(ExtGridRealCells, HiddenRowsKeepTheirCellsInTheStore) {
  CellGrid grid(nullptr);
  grid.SetRowCount(6);
  for (int r = 0; r < 6; ++r) grid.SetCellEx(1, r, "row " + IntToStr(r));
  grid.HideRow(2);
  grid.HideRow(3);
  EXPECT_EQ(grid.GetRowCount(), 4);
  EXPECT_EQ(grid.RemapRow(4), 2);
  EXPECT_EQ(grid.RemapRow(1), 1);
  EXPECT_EQ(grid.GetCellsEx(1, 3), "row 3");
  EXPECT_EQ(grid.GetCellsEx(1, 4), "row 4");
  EXPECT_EQ(grid.GetCellsEx(9, 3), "");
  grid.SetCellsEx(1, 3, "hidden");
  grid.SetCellsEx(1, 5, "shown");
  grid.SetCellsEx(-1, 3, "nowhere");
  grid.SetCellsEx(grid.GetColCount(), 3, "nowhere");
  EXPECT_EQ(grid.HiddenRows.Items(1)->Items.Strings(1), "hidden");
  EXPECT_EQ(grid.HiddenRows.Items(1)->Items.Count(), grid.GetColCount());
  EXPECT_EQ(grid.GetCellEx(1, 3), "shown");

  TObject first, second;
  grid.SetObjectsEx(1, 2, &first);  // held by the stored row, freed with it
  grid.SetObjectsEx(1, 4, &second);
  EXPECT_EQ(grid.GetObjectsEx(1, 2), &first);
  EXPECT_EQ(grid.GetObjectsEx(1, 4), &second);
  EXPECT_EQ(grid.GetObjectEx(1, 2), &second);
  EXPECT_EQ(grid.GetObjectsEx(2, 2), nullptr);
}

TEST(ExtGridRealCells, WidthsOfRealColumns) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(4);
  grid.SetAllColWidths(2, 77);
  EXPECT_EQ(grid.GetAllColWidths(2), 77);
  EXPECT_EQ(grid.ColWidths(2), 77);
  grid.SetAllColWidths(10, 55);  // kept for a column not shown
  EXPECT_EQ(grid.GetAllColWidths(10), 55);
  grid.SetAllColWidths(1, 70000);
  EXPECT_EQ(grid.GetAllColWidths(1), 32767);
  grid.SetAllColWidths(-1, 5);
  grid.SetAllColWidths(100000, 5);
  EXPECT_EQ(grid.GetAllColWidths(-1), 0);
  EXPECT_EQ(grid.GetAllColWidths(100000), 0);
}

TEST(ExtGridHeaders, ShownFromTheListsAsFarAsTheyReach) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(4);
  grid.SetRowCount(4);
  for (int i = 0; i < 4; ++i) {
    grid.SetCells(i, 0, "old");
    grid.SetCells(0, i, "old");
  }
  TStringList headers;
  headers.Add("Name");
  headers.Add("Two\\nLines");
  grid.SetColumnHeaders(headers);
  EXPECT_EQ(grid.Cells(0, 0), "Name");
  EXPECT_EQ(grid.Cells(1, 0), "Two\rLines");
  EXPECT_EQ(grid.Cells(2, 0), "");
  EXPECT_EQ(grid.Cells(3, 0), "");
  grid.SetRowHeaders(headers);  // column 0 is emptied only while designing
  EXPECT_EQ(grid.Cells(0, 1), "Two\rLines");
  EXPECT_EQ(grid.Cells(0, 2), "old");
  grid.ClearRowHeaders();
  EXPECT_EQ(grid.Cells(0, 2), "");
  grid.ClearColumnHeaders();
  EXPECT_EQ(grid.Cells(1, 0), "");

  // A change of a list shows it.
  grid.ColumnHeaders.SetStrings(1, "Changed");
  grid.RowHeaders.Add("Third");
  EXPECT_EQ(grid.Cells(1, 0), "Changed");
  EXPECT_EQ(grid.Cells(0, 2), "Third");

  grid.SetFixedRows(0);
  grid.SetCells(1, 0, "data");
  grid.SetColumnHeaders(headers);
  EXPECT_EQ(grid.Cells(1, 0), "data");
}

TEST(ExtGridEditText, HTMLLosesItsTagsUnlessEditedWithThem) {
  CellGrid grid(nullptr);
  grid.SetCellEx(1, 1, "<b>bold</b> text");
  grid.SetCellEx(1, 2, "1 <> 2 <x>");
  EXPECT_EQ(grid.GetEditText(1, 1), "bold text");
  EXPECT_EQ(grid.GetEditText(1, 2), "1 <> 2 <x>");  // no HTML: nothing to lose
  grid.EditWithTags = true;
  EXPECT_EQ(grid.GetEditText(1, 1), "<b>bold</b> text");
  grid.EditWithTags = false;
  grid.EnableHTML = false;
  EXPECT_EQ(grid.GetEditText(1, 1), "<b>bold</b> text");
  grid.SetEditText(2, 2, "typed");
  EXPECT_EQ(grid.GetCellEx(2, 2), "typed");
}

TEST(ExtGridRichText, CellsHoldRichTextAsRTF) {
  TExtStringGrid grid(nullptr);
  TRichText rich;
  rich.Add("bold", {fsBold, 12, clRed});
  rich.Add("\r\nplain");
  grid.RichToCell(1, 1, rich);
  EXPECT_EQ(grid.GetCellEx(1, 1).rfind("{\\rtf1", 0), 0u);
  TRichText read;
  grid.CellToRich(1, 1, read);
  EXPECT_EQ(read, rich);
  grid.CellToRich(2, 2, read);  // an empty cell empties the rich text
  EXPECT_EQ(read, TRichText());
  grid.SetCellEx(3, 3, "plain\r\ntext");
  grid.CellToRich(3, 3, read);
  EXPECT_EQ(read.GetText(), "plain\r\ntext");
}

}  // namespace
