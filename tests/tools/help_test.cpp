// The help document as the generator draws it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "pdf_text.h"
#include "temp_folder.h"
#include "tools/sample/HelpDocument.h"

namespace {

TEST(HelpDocument, GuidesThroughEveryWindowInGermanAndEnglish) {
  TempFolder dir;
  std::string path = dir / kHelpDocument;
  ASSERT_TRUE(WriteHelpDocument(path));
  ASSERT_EQ(ReadBytes(path).substr(0, 5), "%PDF-");
  std::string text = PdfText(path);
  if (text.empty())
    GTEST_SKIP() << "pdftotext is missing: install the Debian package poppler-utils";
  std::replace(text.begin(), text.end(), '\n', ' ');  // a phrase may wrap
  // Each window by the German name a user knows it by, then in English.
  for (const char* heading :
       {"Hauptfenster (main window)", "Teileliste (list window)", "Abfrage (query window)",
        "Eingabemaske (record entry form)", "Warenkorb exportieren (cart export)",
        "Drucken (printing)", "Mehrere Benutzer (several users)", "Preise (prices)"})
    EXPECT_NE(text.find(heading), std::string::npos) << heading;
  EXPECT_NE(text.find("Kalvento f\xC3\xBCr Vandrix V7 - Hilfe"), std::string::npos);
  EXPECT_NE(text.find("die Teileliste."),
            std::string::npos);                          // "\xC3\xB6ffnet" is drawn with a ligature
  EXPECT_EQ(text.find("PartsList"), std::string::npos);  // no class name among the words
}

TEST(HelpDocument, AFolderThatIsNotThereFails) {
  TempFolder dir;
  EXPECT_FALSE(WriteHelpDocument(dir / "nicht/da.pdf"));
}

}  // namespace
