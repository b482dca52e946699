#include <gtest/gtest.h>

#include "components/grid/grid/dragdrop/DragDropSettings.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/grid/ExtGridVersion.h"
#include "components/grid/grid/GridFilter.h"
#include "components/grid/grid/paint/LookSettings.h"
#include "components/grid/grid/SortSettings.h"
#include "components/grid/grid/UpdateLock.h"

namespace {

// Counts the repaints a settings object asks for.
template <typename Settings>
struct Watched : Settings {
  template <typename... Args>
  explicit Watched(Args&&... args) : Settings(std::forward<Args>(args)...) {
    this->OnChange = [this](TObject* sender) {
      EXPECT_EQ(sender, this);
      ++changes;
    };
  }
  int changes = 0;
};

TEST(GridVersion, NumberAndText) {
  EXPECT_EQ(kExtGridVersionNr >> 24, 2u);
  EXPECT_EQ(ExtGridVersionString(kExtGridVersionNr), "2.2.0.6 April, 2002");
  EXPECT_EQ(ExtGridVersionString(0xFF000A01), "255.0.10.1 April, 2002");
}

TEST(GridUpdateLock, OnlyTheOutermostEndRepaints) {
  TUpdateLock lock;
  lock.Begin();
  lock.Begin();
  EXPECT_TRUE(lock.Locked());
  EXPECT_FALSE(lock.End());
  EXPECT_TRUE(lock.End());
  EXPECT_FALSE(lock.Locked());
  EXPECT_TRUE(lock.End());  // one too many: repaints, stays at 0
  EXPECT_EQ(lock.Count(), 0);
  lock.Begin();
  lock.Begin();
  lock.Reset();
  EXPECT_FALSE(lock.Locked());
}

TEST(GridSortSettings, RowUpToTheFixedRowCount) {
  int fixedRows = 1;
  Watched<TSortSettings> sort([&] { return fixedRows; });
  sort.SetRow(1);
  EXPECT_EQ(sort.GetRow(), 1);
  try {
    sort.SetRow(2);
    FAIL() << "a row below the fixed rows was taken";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message, "Sort row should be smaller than number of fixed rows");
  }
  EXPECT_EQ(sort.GetRow(), 1);
  fixedRows = 3;
  sort.SetRow(3);
  EXPECT_EQ(sort.GetRow(), 3);
}

TEST(GridSortSettings, LookChangesRepaint) {
  Watched<TSortSettings> sort([] { return 1; });
  sort.SetShow(true);
  sort.SetShow(true);  // unchanged
  sort.SetDirection(sdDescending);
  EXPECT_EQ(sort.changes, 2);
  TBitmap glyph;
  glyph.SetSize(4, 4);
  sort.SetUpGlyph(&glyph);
  EXPECT_EQ(sort.GetUpGlyph()->GetWidth(), 4);
  sort.GetDownGlyph()->SetSize(8, 8);  // edited in place
  EXPECT_GE(sort.changes, 4);
}

TEST(GridBands, LengthsKeepThePeriodAndRepaintOnlyWhileActive) {
  Watched<TBands> bands;
  EXPECT_EQ(bands.GetPeriod(), 2);
  bands.SetPrimaryLength(3);
  bands.SetSecondaryColor(clRed);
  EXPECT_EQ(bands.GetPeriod(), 4);
  EXPECT_EQ(bands.changes, 0);
  bands.SetActive(true);
  bands.SetSecondaryLength(2);
  bands.SetPrimaryColor(clLime);
  EXPECT_EQ(bands.changes, 3);
  EXPECT_EQ(bands.GetPeriod(), 5);
  // Painting divides by the period: it never reaches 0.
  bands.SetPrimaryLength(0);
  bands.SetSecondaryLength(-4);
  EXPECT_EQ(bands.GetSecondaryLength(), 0);
  EXPECT_EQ(bands.GetPeriod(), 1);
  bands.SetPrimaryLength(INT_MAX);
  bands.SetSecondaryLength(INT_MAX);
  EXPECT_EQ(bands.GetPeriod(), INT_MAX);
}

TEST(GridDragDropSettings, DropTargetAndRichTextTellTheirUnit) {
  TDragDropSettings dragDrop;
  std::vector<bool> target, rtf;
  dragDrop.OnOleDropTargetChange = [&](bool on) { target.push_back(on); };
  dragDrop.OnOleDropRTFChange = [&](bool on) { rtf.push_back(on); };
  dragDrop.SetOleDropTarget(true);
  dragDrop.SetOleDropTarget(false);
  dragDrop.SetOleDropRTF(true);
  EXPECT_EQ(target, (std::vector<bool>{true, false}));
  EXPECT_EQ(rtf, (std::vector<bool>{true}));
  EXPECT_TRUE(dragDrop.GetOleDropRTF());
}

TEST(GridFilter, ColumnFilterIsFoundOrAdded) {
  TFilter filter;
  filter.Add()->Column = 2;
  TFilterData* third = filter.GetColFilter(3);
  EXPECT_EQ(filter.Count(), 2);
  EXPECT_EQ(third->Column, 3);
  EXPECT_TRUE(third->CaseSensitive);
  EXPECT_EQ(filter.GetColFilter(2), filter.Items(0));
  EXPECT_EQ(filter.GetColFilter(3), third);
  EXPECT_EQ(filter.Insert(0)->Column, 0);
  EXPECT_EQ(filter.Items(2), third);
  TFilterData* last = filter.Insert(99);
  EXPECT_EQ(last, filter.Items(3));
  EXPECT_THROW(filter.Items(4), std::out_of_range);
  EXPECT_THROW(filter.Delete(-1), std::out_of_range);
  filter.Delete(0);
  EXPECT_EQ(filter.Count(), 3);
}

}  // namespace
