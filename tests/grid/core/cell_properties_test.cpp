#include <gtest/gtest.h>

#include "components/grid/core/CellProperties.h"
#include "components/grid/core/CellPropertiesRef.h"
#include "fake_cell_grid.h"

namespace {

TEST(CellProperties, DefaultsFallBackToTheGrid) {
  FakeCellGrid grid(3, 3);
  const TCellProperties* props = grid.GetCellProperties(2, 1);
  EXPECT_EQ(props->GetGrid(), &grid);
  EXPECT_EQ(props->OwnerCol, 2);
  EXPECT_EQ(props->OwnerRow, 1);
  EXPECT_EQ(props->CellObject, nullptr);
  EXPECT_EQ(props->Graphic, nullptr);
  EXPECT_EQ(props->BrushStyle, bsSolid);
  EXPECT_EQ(props->GetBrushColor(), clNone);
  EXPECT_EQ(props->FontColor, clNone);
  EXPECT_EQ(props->FontSize, 0);
  EXPECT_TRUE(props->FontStyle.Empty());
  EXPECT_EQ(props->FontName, "");
  EXPECT_EQ(props->CellSpanX, -1);
  EXPECT_EQ(props->CellSpanY, -1);
  EXPECT_EQ(props->BorderWidth, 0);
  EXPECT_EQ(props->BorderColor, 0);
  EXPECT_EQ(props->Alignment, taLeftJustify);
  EXPECT_EQ(props->GetVAlignment(), vtaTop);
  EXPECT_FALSE(props->GetWordWrap());
  EXPECT_TRUE(props->IsBaseCell);
  EXPECT_EQ(props->NodeLevel, 0);
  EXPECT_EQ(props->Editor, edNormal);
  EXPECT_FALSE(props->ReadOnly);
}

TEST(CellProperties, LookSettersRepaintTheOwnerCellAlignmentDoesNot) {
  FakeCellGrid grid(3, 3);
  TCellProperties* props = grid.GetCellProperties(1, 2);
  props->SetBrushColor(clRed);
  props->SetVAlignment(vtaBottom);
  props->SetWordWrap(true);
  props->Alignment = taCenter;
  EXPECT_EQ(grid.repainted, (std::vector<std::pair<int, int>>{{1, 2}, {1, 2}, {1, 2}}));
}

TEST(CellProperties, AssignLeavesObjectsStampAndOwnerAlone) {
  FakeCellGrid grid(3, 3);
  TCellProperties* from = grid.GetCellProperties(0, 0);
  TCellProperties* to = grid.GetCellProperties(2, 2);
  TObject user;
  from->CellObject = &user;
  from->PaintStamp = 7;
  from->FooterCalc = 3;
  from->SetBrushColor(clYellow);
  from->FontStyle = {fsBold, fsItalic};
  from->FontName = "Arial";
  from->CellSpanX = 1;
  from->IsBaseCell = false;
  from->Editor = edComboList;
  from->SetWordWrap(true);
  to->Assign(*from);
  EXPECT_EQ(to->GetBrushColor(), clYellow);
  EXPECT_EQ(to->FontStyle, (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(to->FontName, "Arial");
  EXPECT_EQ(to->CellSpanX, 1);
  EXPECT_FALSE(to->IsBaseCell);
  EXPECT_EQ(to->Editor, edComboList);
  EXPECT_TRUE(to->GetWordWrap());
  EXPECT_EQ(to->CellObject, nullptr);
  EXPECT_EQ(to->PaintStamp, 0);
  EXPECT_EQ(to->FooterCalc, 0);
  EXPECT_EQ(to->OwnerCol, 2);
  EXPECT_EQ(to->OwnerRow, 2);
}

TEST(CellProperties, LastHolderFreesTheObject) {
  // Run under the address sanitizer: a second free or a leak fails the test program.
  TCellPropertiesRef first(new TCellProperties(nullptr, 0, 0));
  TCellPropertiesRef second = first;
  first = {};
  EXPECT_EQ(second->Holders(), 1);
  second->SetBrushColor(clRed);  // no grid: nothing to repaint
}

}  // namespace
