// The help document as the generator draws it.
#include <gtest/gtest.h>

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
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  for (const char* heading : {"Hauptfenster (main window)", "PartsList (list window)",
                              "Abfrage (query window)", "Eingabemaske (record entry form)",
                              "Warenkorb exportieren (cart export)", "Drucken (printing)"})
    EXPECT_NE(text.find(heading), std::string::npos) << heading;
  EXPECT_NE(text.find("Kalvento f\xC3\xBCr Vandrix V7 - Hilfe"), std::string::npos);
}

TEST(HelpDocument, AFolderThatIsNotThereFails) {
  TempFolder dir;
  EXPECT_FALSE(WriteHelpDocument(dir / "nicht/da.pdf"));
}

}  // namespace
