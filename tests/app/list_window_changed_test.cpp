// The list window over a table that another program cuts or lengthens while the list's first
// query reads it, and over a table whose header counts more records than the file holds: the
// list shows and totals the records the file holds, and says when the table changed.
#include <fstream>

#include "ListWindowTest.h"
#include "tests/engine/ChangeDuringRun.h"

namespace {

constexpr int kRecords = 2000;  // more than the run reads between two turns of the loop

class ChangedListWindow : public ListWindow {
 protected:
  // Designations "Teil 0" to "Teil 1999", each costing 1,00 in all.
  void SetUp() override {
    ListWindow::SetUp();
    for (int n = 0; n < kRecords; ++n) {
      std::vector<std::string> values(kPartsFields);
      values[kDesignation] = "Teil " + std::to_string(n);
      values[kTotalPrice] = "      1.00";
      file.Add(values);
    }
    file.Write(path);
  }
  long Bytes(long records) const { return file.HeaderLength() + records * file.RecordLength(); }
  // The page from index position p on.
  void PageFrom(int p) { list.scrAusgabe->SetPosition(p); }

  DbfFile file = PartsLayout();
  const std::string path = dir / "teile.dbf";
};

TEST_F(ChangedListWindow, AQueryCutShortShowsTheRecordsLeftAndSaysSo) {
  {
    const ChangeDuringRun during(ChangeDuringRun::Cut(path, Bytes(1200) + 50));
    Show();
    EXPECT_TRUE(during.Changed());
  }
  EXPECT_EQ(log.texts, std::vector<AnsiString>{ChangedDuringRunMessage(path)});
  EXPECT_EQ(Hits(), "1200");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "1200");
  PageFrom(1190);
  EXPECT_EQ(Cell(1, 10), "Teil 1199");
  EXPECT_EQ(Cell(0, 11), "-1");
  EXPECT_EQ(Cell(1, 11), "");
}

TEST_F(ChangedListWindow, AQueryOverATableThatGrewShowsTheRecordsItStartedWithAndSaysSo) {
  {
    const ChangeDuringRun during(ChangeDuringRun::Append(path, 5 * file.RecordLength()));
    Show();
    EXPECT_TRUE(during.Changed());
  }
  EXPECT_EQ(log.texts, std::vector<AnsiString>{ChangedDuringRunMessage(path)});
  EXPECT_EQ(Hits(), "2000");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "2000");
}

// The header counts 2^30 records: the list shows and totals the 2000 the file holds, at once
// and without a word.
TEST_F(ChangedListWindow, AHeaderCountingMoreThanTheFileHoldsShowsWhatItHolds) {
  file.count = int64_t{1} << 30;
  file.Write(path);
  Show();
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(Hits(), "2000");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "2000");
  PageFrom(1990);
  EXPECT_EQ(Cell(1, 10), "Teil 1999");
  EXPECT_EQ(Cell(0, 11), "-1");
}

}  // namespace
