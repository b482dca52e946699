#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/paint/FooterTemplate.h"
#include "locale_scope.h"
#include "shown_grid.h"

namespace {

class FloatingFooterTest : public ShownGrid<TExtStringGrid> {
 protected:
  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetColCount(4);
    grid->SetRowCount(6);  // header, four data rows, the footer row
    grid->FloatFormat = "%.2f";
    for (int r = 1; r <= 4; ++r) grid->SetCells(1, r, IntToStr(r * 10));
    grid->FloatingFooter.SetVisible(true);
  }
  AnsiString Footer(int ACol) { return grid->Cells(ACol, grid->GetRowCount() - 1); }
  void Edit(int ACol, int ARow, const AnsiString& Text) {
    grid->SetCells(ACol, ARow, Text);
    grid->CalcFooter(ACol);
  }
};

TEST_F(FloatingFooterTest, ShowingMakesTheLastRowAFixedFooter) {
  EXPECT_EQ(grid->GetFixedFooters(), 1);
  EXPECT_TRUE(grid->GetFooterPanel()->GetVisible());
  EXPECT_EQ(grid->GetFooterPanel()->GetHeight(), grid->FloatingFooter.GetHeight() - 1);
  grid->FloatingFooter.SetVisible(false);
  EXPECT_EQ(grid->GetFixedFooters(), 0);
  EXPECT_EQ(grid->GetFooterPanel()->GetHeight(), 0);
}

TEST_F(FloatingFooterTest, SumFollowsEditsAndPassesOverText) {
  LocaleScope english(kEnglish);
  grid->FloatingFooter.SetColumnCalc(1, acSUM);
  EXPECT_EQ(grid->FloatingFooter.GetColumnCalc(1), acSUM);
  EXPECT_EQ(grid->FloatingFooter.GetColumnCalc(2), acNONE);
  grid->CalcFooter(-1);
  EXPECT_EQ(Footer(1), "100.00");
  Edit(1, 2, "25");
  EXPECT_EQ(Footer(1), "105.00");
  // A text cell in a summed column neither raises nor counts.
  EXPECT_NO_THROW(Edit(1, 3, "n/a"));
  EXPECT_EQ(Footer(1), "75.00");
  EXPECT_EQ(Footer(2), "");  // acNONE writes nothing
}

TEST_F(FloatingFooterTest, CountAverageMinimumAndMaximum) {
  LocaleScope english(kEnglish);
  for (auto [col, calc] : {std::pair{0, acCOUNT}, {1, acAVG}, {2, acMIN}, {3, acMAX}})
    grid->FloatingFooter.SetColumnCalc(col, calc);
  for (int r = 1; r <= 4; ++r) {
    grid->SetCells(2, r, IntToStr(5 - r));
    grid->SetCells(3, r, IntToStr(r * r));
  }
  grid->CalcFooter(-1);
  EXPECT_EQ(Footer(0), "4.00");
  EXPECT_EQ(Footer(1), "25.00");
  EXPECT_EQ(Footer(2), "1.00");
  EXPECT_EQ(Footer(3), "16.00");
}

TEST_F(FloatingFooterTest, NoDataRowsGiveNought) {
  LocaleScope english(kEnglish);
  grid->SetRowCount(2);  // the header and the footer row
  grid->FloatingFooter.SetColumnCalc(1, acAVG);
  grid->FloatingFooter.SetColumnCalc(2, acCOUNT);
  EXPECT_NO_THROW(grid->CalcFooter(-1));
  EXPECT_EQ(Footer(1), "0.00");
  EXPECT_EQ(Footer(2), "0.00");
}

TEST_F(FloatingFooterTest, OtherStylesAndHiddenFootersCalculateNothing) {
  grid->FloatingFooter.SetColumnCalc(1, acSUM);
  grid->FloatingFooter.SetFooterStyle(fsColumnPreview);
  grid->CalcFooter(-1);
  EXPECT_EQ(Footer(1), "");
  grid->FloatingFooter.SetFooterStyle(fsFixedLastRow);
  grid->FloatingFooter.SetVisible(false);
  grid->CalcFooter(-1);
  EXPECT_EQ(Footer(1), "");
  grid->CalcFooter(99);  // a column the grid lacks
}

TEST(FooterTemplate, ColumnTagsTakeTheColumnsTexts) {
  auto column = [](int c) { return AnsiString("c") + IntToStr(c); };
  EXPECT_EQ(HTMLColReplace("Name: <#1>", column), "Name: c1");
  EXPECT_EQ(HTMLColReplace("<#0>-<#12>!", column), "c0-c12!");
  EXPECT_EQ(HTMLColReplace("a<#x>b", column), "ab");    // no number: tag dropped
  EXPECT_EQ(HTMLColReplace("a<#>b", column), "ab");
  EXPECT_EQ(HTMLColReplace("a<#1 and more", column), "a<#1 and more");  // never closed
  EXPECT_EQ(HTMLColReplace("<b>bold</b>", column), "<b>bold</b>");
}

// Kept in $KALVENTO_PICTURE_DIR when that is set.
void SavePicture(const QImage& Image, const char* Name) {
  static QTemporaryDir temp;
  const char* keep = std::getenv("KALVENTO_PICTURE_DIR");
  const QDir dir(keep ? QString::fromLocal8Bit(keep) : temp.path());
  ASSERT_TRUE(Image.save(dir.filePath(Name)));
}

TEST_F(FloatingFooterTest, PanelShowsTheFooterRowUnderTheCells) {
  LocaleScope english(kEnglish);
  grid->SetColCount(3);
  grid->SetCells(0, 0, "Part");
  grid->SetCells(1, 0, "Price");
  for (int r = 1; r <= 4; ++r) grid->SetCells(0, r, "Part " + IntToStr(r));
  grid->SetCells(0, 5, "Total");
  grid->FloatingFooter.SetColumnCalc(1, acSUM);
  grid->FloatingFooter.SetColumnCalc(2, acCOUNT);
  grid->CalcFooter(-1);
  ShowFocused();
  TFooterPanel* panel = grid->GetFooterPanel();
  const QImage image = grid->Widget()->grab().toImage();
  SavePicture(image, "floating_footer.png");
  // The panel lies at the bottom of the cells and paints the last row.
  const QPoint origin = panel->Widget()->mapTo(grid->Widget(), QPoint(0, 0));
  EXPECT_EQ(panel->GetWidth(), grid->GetClientWidth());
  EXPECT_GT(panel->GetHeight(), 0);
  const QImage footer = panel->Widget()->grab().toImage();
  bool dark = false;  // some text
  const TRect cell = grid->GetCellRect(1, grid->GetRowCount() - 1);
  for (int x = cell.Left; x < cell.Right; ++x)
    for (int y = 2; y < footer.height() - 2; ++y)
      if (footer.pixelColor(x, y).lightness() < 80) dark = true;
  EXPECT_TRUE(dark);
  EXPECT_GT(origin.y(), 0);
}

TEST_F(FloatingFooterTest, PreviewsShowTheCurrentRow) {
  grid->SetCells(2, 3, "Resistor");
  grid->SetRow(3);
  grid->FloatingFooter.SetFooterStyle(fsCustomPreview);
  grid->FloatingFooter.SetCustomTemplate("Part: <b><#2></b>");
  EXPECT_EQ(grid->GetFixedFooters(), 1);
  ShowFocused();
  const QImage custom = grid->GetFooterPanel()->Widget()->grab().toImage();
  SavePicture(custom, "footer_custom.png");
  grid->FloatingFooter.SetFooterStyle(fsColumnPreview);
  grid->FloatingFooter.SetColumn(2);
  const QImage preview = grid->GetFooterPanel()->Widget()->grab().toImage();
  SavePicture(preview, "footer_preview.png");
  // Both show text, in the footer's own colour around it.
  for (const QImage* image : {&custom, &preview}) {
    int dark = 0;
    for (int x = 2; x < 120; ++x)
      for (int y = 2; y < image->height() - 2; ++y)
        if (image->pixelColor(x, y).lightness() < 80) ++dark;
    EXPECT_GT(dark, 10);
    EXPECT_EQ(image->pixelColor(image->width() / 2, image->height() / 2),
              QColor(image->pixelColor(200, 3)));
  }
}

}  // namespace
