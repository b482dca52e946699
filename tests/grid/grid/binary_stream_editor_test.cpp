// A binary stream loaded into a shown grid stores its cells without telling each one: the
// open editor must still show what the stream put into its cell, and only then.
#include <gtest/gtest.h>

#include <tuple>

#include "key_grid.h"
#include "platform/grids/inplace_edit.h"

namespace {

TEST_F(GridKeys, AStreamLoadedUnderTheOpenEditorShowsInItOnlyWhereItLands) {
  TExtStringGrid source(nullptr);
  source.SetColCount(4);
  source.SetRowCount(4);
  source.SetCells(1, 1, "loaded");
  source.SetCells(2, 2, "other");
  TMemoryStream stream;
  source.SaveRectToBinStream(TRect(1, 1, 2, 2), &stream);

  grid->SetCells(1, 1, "typed");
  grid->SetCells(3, 3, "kept");
  // The editor on a cell the stream fills, then on one it leaves alone.
  for (const auto& [col, row, shown] : {std::tuple{1, 1, "loaded"}, std::tuple{3, 3, "kept"}}) {
    Put(col, row);
    Key(Qt::Key_Return);
    ASSERT_TRUE(grid->GetEditorMode());
    stream.SetPosition(0);
    grid->LoadAtPointFromBinStream(TPoint(1, 1), &stream);
    EXPECT_EQ(grid->GetInplaceEditor()->GetText(), shown);
    Key(Qt::Key_Escape);
  }
  EXPECT_EQ(grid->Cells(2, 2), "other");
}

}  // namespace
