// The list window over a table that another program cuts or lengthens while the list's first
// query reads it, and over a table whose header counts more records than the file holds: the
// list shows and totals the records the file holds, and says when the table changed. And over
// a table that another program replaced while the list was open.
#include <cstdio>
#include <fstream>

#include "ListWindowTest.h"
#include "tests/engine/Copies.h"
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

// Another program renames a table over the list's own while the list is open (a backup put
// back). A table of the same fields is what the next query shows; another asks for the list
// to be opened again, and shows nothing of the file that was replaced.
class ReplacedListWindow : public ListWindow {
 protected:
  void RenameOver(const DbfFile& replacement) {
    const std::string table = dir / "teile.dbf";
    for (int code : RunCopiesAtOnce(1, [&](int) {
           replacement.Write(table + ".neu");
           return std::rename((table + ".neu").c_str(), table.c_str());
         }))
      ASSERT_EQ(code, 0);
  }
  void ChooseQuery() {
    list.cboAusgabe->SetText("alle.dba");
    list.cboAusgabeChange(list.cboAusgabe);
  }
};

TEST_F(ReplacedListWindow, TheNextQueryShowsATableOfTheSameFields) {
  Show();
  ASSERT_EQ(Hits(), "30");
  DbfFile backup = PartsLayout();
  for (const char* name : {"Sicherung 1", "Sicherung 2", "Sicherung 3"}) {
    std::vector<std::string> values(kPartsFields);
    values[kDesignation] = name;
    values[kTotalPrice] = "      2.00";
    backup.Add(values);
  }
  RenameOver(backup);
  ChooseQuery();
  EXPECT_TRUE(log.texts.empty()) << log.texts[0];
  EXPECT_EQ(Hits(), "3");
  EXPECT_EQ(list.labNumberofrecords->GetCaption(), "3");
  EXPECT_EQ(Cell(1, 1), "Sicherung 1");
  EXPECT_EQ(Cell(1, 3), "Sicherung 3");
  EXPECT_EQ(Cell(0, 4), "-1");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "6");
}

TEST_F(ReplacedListWindow, ATableOfOtherFieldsAsksToOpenTheListAgain) {
  Show();
  DbfFile other{{{"NAME", 'C', 20}}};
  other.Add({"Fremd"});
  RenameOver(other);
  ChooseQuery();
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"Fehler: dbase_abfrage: " + dir / "teile.dbf" +
                                               ": Datei wurde seit dem \xD6" "ffnen ersetzt oder "
                                               "entfernt - bitte die Liste neu \xF6" "ffnen"});
  EXPECT_EQ(Hits(), "0");
  EXPECT_EQ(Cell(0, 1), "-1");
  EXPECT_EQ(Cell(1, 1), "");
}

}  // namespace
