#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "pdf_text.h"
#include "platform/graphics/pdf_document.h"
#include "temp_folder.h"

namespace {

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(PdfDocument, PagesOfTextInTheFile) {
  TempFolder dir;
  std::string path = dir / "hilfe.pdf";
  {
    TPdfDocument pdf(path, "Hilfe", 300, 20);
    // A4 less 20 mm on each side: 170 x 257 mm at 300 dots per inch (Qt rounds to points).
    EXPECT_NEAR(pdf.PageWidth(), 170 / 25.4 * 300, 6);
    EXPECT_NEAR(pdf.PageHeight(), 257 / 25.4 * 300, 6);
    pdf.Canvas()->Font->SetSize(12);
    EXPECT_EQ(pdf.Canvas()->Font->GetHeight(), -50);  // 12 points at 300 dots per inch
    pdf.Canvas()->TextOut(0, 0, "Seite eins f\xFCr alle");
    pdf.NewPage();
    EXPECT_EQ(pdf.PageNumber(), 2);
    pdf.Canvas()->TextOut(0, 0, "page two");
    EXPECT_TRUE(pdf.EndDoc());
    EXPECT_FALSE(pdf.EndDoc());
  }
  std::string bytes = ReadBytes(path);
  ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_EQ(Count(bytes, "/Type /Page\n") + Count(bytes, "/Type /Page\r"), 2);
  std::string text = PdfText(path);
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  EXPECT_NE(text.find("Seite eins f\xC3\xBCr alle"), std::string::npos);
  EXPECT_LT(text.find("Seite eins"), text.find("page two"));
}

TEST(PdfDocument, AFileThatCannotBeWrittenEndsInFalse) {
  TempFolder dir;
  TPdfDocument pdf(dir / "nicht/da/hilfe.pdf", "Hilfe");
  pdf.Canvas()->TextOut(0, 0, "x");
  pdf.NewPage();  // nothing to start a page on
  EXPECT_FALSE(pdf.EndDoc());
}

}  // namespace
