#include <gtest/gtest.h>

#include "components/print/XPrnSet2.h"
#include "locale_scope.h"

namespace {

TPrinterPaper LetterAndLegal() {
  TPrinterPaper papers;
  papers.Add(1, "Letter", 2159, 2794);
  papers.Add(5, "Legal", 2159, 3556);
  return papers;
}

TEST(PrinterPaperTest, ReadsEntriesAndNothingOutsideTheList) {
  TPrinterPaper papers = LetterAndLegal();
  papers.Add(1, "Letter again", 1, 1);
  EXPECT_EQ(papers.GetCount(), 3);
  EXPECT_EQ(papers.GetIndex(5), 1);
  EXPECT_EQ(papers.GetIndex(1), 0);  // the first of equal numbers
  EXPECT_EQ(papers.GetIndex(9), -1);
  EXPECT_EQ(papers.GetName(1), "Legal");
  EXPECT_EQ(papers.GetLength(1), 3556);
  for (int outside : {-1, 3}) {
    EXPECT_EQ(papers.GetNumber(outside), 0);
    EXPECT_EQ(papers.GetName(outside), "");
    EXPECT_EQ(papers.GetWidth(outside), 0);
    EXPECT_EQ(papers.GetLength(outside), 0);
  }
  papers.Clear();
  EXPECT_EQ(papers.GetCount(), 0);
}

TEST(PrinterPaperTest, BestFitIsTheNearestPaperBySumOfDifferences) {
  TPrinterPaper papers = LetterAndLegal();
  papers.Add(9, "A4", 2100, 2970);
  EXPECT_EQ(papers.BestFitPaper(2100, 2970), 2);
  // Letter: 59 + 176, Legal: 59 + 586.
  EXPECT_EQ(LetterAndLegal().BestFitPaper(2100, 2970), 0);
  EXPECT_EQ(TPrinterPaper().BestFitPaper(2100, 2970), 0);
  // A paper of the right width but far too long does not win by matching one side exactly.
  TPrinterPaper strip;
  strip.Add(256, "Strip", 2100, 9000);
  strip.Add(1, "Letter", 2159, 2794);
  EXPECT_EQ(strip.BestFitPaper(2100, 2970), 1);
  // Ties keep the earlier paper.
  TPrinterPaper twins;
  twins.Add(9, "A4", 2100, 2970);
  twins.Add(10, "A4 (small)", 2100, 2970);
  EXPECT_EQ(twins.BestFitPaper(2000, 3000), 0);
}

TEST(PrinterPaperTest, NameListsWithSizesInMillimetres) {
  LocaleScope german(kGerman);
  TPrinterPaper papers = LetterAndLegal();
  papers.Add(9, "A4", 2100, 2970);
  TStringList list;
  list.Add("stale");
  papers.GetNameList(&list, false);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Strings(0), "Letter");
  papers.GetNameList(&list, true);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Strings(0), "Letter (215,9x279,4mm\xB2)");
  EXPECT_EQ(list.Strings(2), "A4 (210x297mm\xB2)");
}

TEST(PrinterTrayResolutionTest, ListsAndNames) {
  TPrinterTray trays;
  trays.Add(15, "Automatisch");
  trays.Add(1, "Oben");
  EXPECT_EQ(trays.GetIndex(1), 1);
  EXPECT_EQ(trays.GetIndex(7), -1);
  EXPECT_EQ(trays.GetNumber(0), 15);
  EXPECT_EQ(trays.GetName(2), "");
  TStringList list;
  trays.GetNameList(&list);
  EXPECT_EQ(list.GetText(), "Automatisch\r\nOben\r\n");

  TPrinterResolution resolutions;
  resolutions.Add(600, 600);
  resolutions.Add(1200, 600);
  EXPECT_EQ(resolutions.GetMatchIndex(1200, 600), 1);
  EXPECT_EQ(resolutions.GetMatchIndex(600, 1200), -1);
  EXPECT_EQ(resolutions.GetHRes(1), 1200);
  EXPECT_EQ(resolutions.GetVRes(5), 0);
  resolutions.GetNameList(&list);
  EXPECT_EQ(list.GetText(), "600x600dpi\xB2\r\n1200x600dpi\xB2\r\n");
}

TEST(PaperTableTest, NamesAndSizeTexts) {
  ASSERT_NE(PaperTableEntry(9), nullptr);
  EXPECT_STREQ(PaperTableEntry(9)->SizeText, "210x297mm\xB2");
  EXPECT_STREQ(PaperTableEntry(1)->SizeText, "8\xBD\"x11\"");
  EXPECT_STREQ(PaperTableEntry(16)->Name, "10\"x14\"");
  EXPECT_STREQ(PaperTableEntry(17)->Name, PaperTableEntry(17)->SizeText);
  EXPECT_STREQ(PaperTableEntry(38)->Name, "Umschlag 6\xBE");
  EXPECT_STREQ(PaperTableEntry(19)->SizeText, "3,875\"x8,875\"");
  EXPECT_EQ(PaperTableEntry(41)->Length, 3302);
  EXPECT_EQ(PaperTableEntry(0), nullptr);
  EXPECT_EQ(PaperTableEntry(42), nullptr);
}

TEST(PaperTableTest, FailuresAreTheBitsOneToThirtyTwo) {
  EXPECT_EQ(TSetFailures{sfCopies}.Bits(), 1u);
  EXPECT_EQ(TSetFailures{sfPaper}.Bits(), 8u);
  EXPECT_EQ(TSetFailures{sfResolution}.Bits(), 32u);
}

}  // namespace
