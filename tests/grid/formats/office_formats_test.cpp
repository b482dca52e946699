// The office file modules on their own: cell addresses, the .xlsx reader and writer, the
// sheet put into an existing workbook and the .docx table.
#include <gtest/gtest.h>

#include "../temp_folder.h"
#include "components/grid/formats/CellAddress.h"
#include "components/grid/formats/DocxWriter.h"
#include "components/grid/formats/XlsxReader.h"
#include "components/grid/formats/XlsxWriter.h"
#include "components/grid/formats/XmlParts.h"
#include "office_files.h"
#include "platform/core/exception.h"

namespace {

TEST(CellAddress, ColumnLettersBothWaysWithoutALimit) {
  const std::pair<int, const char*> cases[] = {{1, "A"},     {26, "Z"},     {27, "AA"},
                                               {52, "AZ"},   {53, "BA"},    {702, "ZZ"},
                                               {703, "AAA"}, {16384, "XFD"}};
  for (const auto& [n, letters] : cases) {
    EXPECT_EQ(ColumnLetters(n), letters) << n;
    EXPECT_EQ(ColumnNumber(letters), n) << letters;
  }
  EXPECT_EQ(ColumnNumber("xfd"), 16384);
  EXPECT_EQ(ColumnLetters(0), "");
  EXPECT_EQ(ColumnNumber("A1"), 0);
  EXPECT_EQ(ColumnNumber("ZZZZZZZZZZ"), 0);  // beyond any int
}

TEST(CellAddress, CellsReadWithOrWithoutDollarsOrNotAtAll) {
  int col = -1, row = -1;
  ASSERT_TRUE(ReadCellAddress("$B$2", col, row));
  EXPECT_EQ((std::vector{col, row}), (std::vector{2, 2}));
  ASSERT_TRUE(ReadCellAddress("ab10", col, row));
  EXPECT_EQ((std::vector{col, row}), (std::vector{28, 10}));
  for (const char* bad : {"", "B", "2", "B0", "2B", "B2:D5", "B99999999999"})
    EXPECT_FALSE(ReadCellAddress(bad, col, row)) << bad;
  EXPECT_EQ((std::vector{col, row}), (std::vector{28, 10}));
}

TEST(XlsxReader, NamesTypedCellsAndUsedRangeOfAHandMadeWorkbook) {
  TempFolder dir;
  WriteZip(dir / "book.xlsx", TwoSheetWorkbook());
  EXPECT_EQ(XlsxSheetNames(dir / "book.xlsx"), (std::vector<AnsiString>{"Erste", "Daten"}));
  TSheetData sheet;
  ASSERT_TRUE(ReadXlsxSheet(dir / "book.xlsx", "", sheet));  // the active one
  EXPECT_EQ((std::vector{sheet.FirstCol, sheet.FirstRow, sheet.LastCol, sheet.LastRow}),
            (std::vector{2, 2, 4, 5}));
  EXPECT_EQ(sheet.At(2, 3).Text, "Schraube");  // runs joined, reading aid left out
  EXPECT_EQ(sheet.At(3, 2).Text, "Preis");
  EXPECT_EQ(sheet.At(3, 3).Kind, TSheetValue::skNumber);
  EXPECT_EQ(sheet.At(4, 3).Kind, TSheetValue::skDate);
  EXPECT_EQ(sheet.At(4, 3).Number, 45292);
  EXPECT_EQ(sheet.At(2, 4).Kind, TSheetValue::skError);
  EXPECT_EQ(sheet.At(3, 4).Kind, TSheetValue::skEmpty);
  EXPECT_EQ(sheet.At(4, 4).Kind, TSheetValue::skBoolean);
  EXPECT_EQ(sheet.At(3, 5).Text, "x");
  EXPECT_EQ(sheet.At(4, 5).Kind, TSheetValue::skDate);
  TSheetData first;
  ASSERT_TRUE(ReadXlsxSheet(dir / "book.xlsx", "Erste", first));
  EXPECT_EQ(first.At(1, 1).Text, "eins");
  EXPECT_FALSE(ReadXlsxSheet(dir / "book.xlsx", "daten", first));  // exact names only
}

TEST(XlsxReader, DamagedWorkbooksThrowWithoutCrashing) {
  TempFolder dir;
  TSheetData sheet;
  WriteBytes(dir / "text.xlsx", "no archive at all");
  EXPECT_THROW(ReadXlsxSheet(dir / "text.xlsx", "", sheet), Exception);
  auto parts = TwoSheetWorkbook();
  parts["xl/worksheets/data.xml"] = "<worksheet><sheetData><row><c r=\"A1\"";
  WriteZip(dir / "cut.xlsx", parts);
  EXPECT_THROW(ReadXlsxSheet(dir / "cut.xlsx", "Daten", sheet), Exception);
  parts.erase("xl/worksheets/data.xml");
  WriteZip(dir / "lacking.xlsx", parts);
  EXPECT_THROW(ReadXlsxSheet(dir / "lacking.xlsx", "Daten", sheet), Exception);
  // Out-of-range indexes and addresses are passed over.
  parts = TwoSheetWorkbook();
  parts["xl/worksheets/sheet1.xml"] =
      "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>99</v></c><c><v>7</v></c>"
      "<c r=\"XFE1\"><v>1</v></c><c r=\"B9999999\"><v>1</v></c></row>"
      "</sheetData></worksheet>";
  WriteZip(dir / "odd.xlsx", parts);
  TSheetData odd;
  ASSERT_TRUE(ReadXlsxSheet(dir / "odd.xlsx", "Erste", odd));
  EXPECT_EQ(odd.At(1, 1).Kind, TSheetValue::skEmpty);
  EXPECT_EQ(odd.At(2, 1).Number, 7);  // no address: the next column
  EXPECT_EQ(odd.LastCol, 2);
}

TSheetRows Rows(int Cols, int RowCount) {
  TSheetRows rows(static_cast<std::size_t>(RowCount));
  for (int r = 0; r < RowCount; ++r)
    for (int c = 0; c < Cols; ++c) {
      TSheetValue v;
      v.Kind = TSheetValue::skText;
      v.Text = ColumnLetters(c + 1) + std::to_string(r + 1);
      rows[static_cast<std::size_t>(r)].push_back(v);
    }
  return rows;
}

TEST(XlsxWriter, WrittenWorkbooksReadBackWithTheirRange) {
  TempFolder dir;
  TSheetRows rows = Rows(28, 10);
  rows[1][1] = TSheetValue{TSheetValue::skNumber, "", 2.25};
  rows[2][2].Text =
      "Gr\xF6\xDF"
      "e";
  WriteXlsxFile(dir / "new.xlsx", "Teile", rows);
  EXPECT_NE(
      ZipPart(dir / "new.xlsx", "xl/worksheets/sheet1.xml").find("<dimension ref=\"A1:AB10\"/>"),
      std::string::npos);
  TSheetData back;
  ASSERT_TRUE(ReadXlsxSheet(dir / "new.xlsx", "Teile", back));
  EXPECT_EQ(back.LastCol, 28);
  EXPECT_EQ(back.At(28, 10).Text, "AB10");
  EXPECT_EQ(back.At(2, 2).Number, 2.25);
  EXPECT_EQ(back.At(3, 3).Text,
            "Gr\xF6\xDF"
            "e");
  EXPECT_THROW(WriteXlsxFile(dir / "bad.xlsx", "a[1]", rows), Exception);
  EXPECT_FALSE(std::filesystem::exists(dir / "bad.xlsx"));
}

TEST(XlsxWriter, ASheetPutIntoAWorkbookLeavesTheOtherPartsAsTheyWere) {
  TempFolder dir;
  WriteZip(dir / "book.xlsx", TwoSheetWorkbook());
  const auto before = TwoSheetWorkbook();
  PutXlsxSheet(dir / "book.xlsx", "Daten", Rows(2, 2));
  for (const auto& [name, bytes] : before) {
    if (name == "xl/worksheets/data.xml") continue;
    EXPECT_EQ(ZipPart(dir / "book.xlsx", name), bytes) << name;
  }
  TSheetData data;
  ASSERT_TRUE(ReadXlsxSheet(dir / "book.xlsx", "Daten", data));
  EXPECT_EQ((std::vector{data.FirstCol, data.FirstRow, data.LastCol, data.LastRow}),
            (std::vector{1, 1, 2, 2}));
  EXPECT_EQ(data.At(2, 2).Text, "B2");
  // A new name adds a third sheet at the end.
  PutXlsxSheet(dir / "book.xlsx", "Neu & mehr", Rows(1, 1));
  EXPECT_EQ(XlsxSheetNames(dir / "book.xlsx"),
            (std::vector<AnsiString>{"Erste", "Daten", "Neu & mehr"}));
  TSheetData added;
  ASSERT_TRUE(ReadXlsxSheet(dir / "book.xlsx", "Neu & mehr", added));
  EXPECT_EQ(added.At(1, 1).Text, "A1");
  EXPECT_EQ(ZipPart(dir / "book.xlsx", "xl/worksheets/sheet1.xml"),
            before.at("xl/worksheets/sheet1.xml"));
}

TEST(XlsxWriter, ASheetPutIntoAWorkbookDropsTheCalculationChain) {
  TempFolder dir;
  auto parts = TwoSheetWorkbook();
  const std::string rels = "xl/_rels/workbook.xml.rels";
  parts[rels].insert(parts[rels].find("</Relationships>"),
                     "<Relationship Id=\"rId9\" Type=\"http://schemas.openxmlformats.org/"
                     "officeDocument/2006/relationships/calcChain\" Target=\"calcChain.xml\"/>");
  parts["[Content_Types].xml"].insert(parts["[Content_Types].xml"].find("</Types>"),
                                      "<Override PartName=\"/xl/calcChain.xml\" "
                                      "ContentType=\"application/xml\"/>");
  parts["xl/calcChain.xml"] = "<calcChain><c r=\"B4\" i=\"2\"/></calcChain>";
  WriteZip(dir / "book.xlsx", parts);
  PutXlsxSheet(dir / "book.xlsx", "Daten", Rows(1, 1));
  EXPECT_FALSE(ZipArchive(dir / "book.xlsx", ZipArchive::Read).Has("xl/calcChain.xml"));
  EXPECT_EQ(ZipPart(dir / "book.xlsx", rels), TwoSheetWorkbook().at(rels));
  EXPECT_EQ(ZipPart(dir / "book.xlsx", "[Content_Types].xml"),
            TwoSheetWorkbook().at("[Content_Types].xml"));
}

TEST(DocxWriter, OneTableWithAlignedParagraphsAndLineBreaks) {
  TempFolder dir;
  WriteDocxTable(dir / "t.docx", {{{"Teil", TDocCell::Left}, {"Preis", TDocCell::Right}},
                                  {{"a<b\r\nc", TDocCell::Center}, {"12,50", TDocCell::Right}},
                                  {{"5\x80\x01"}}});
  const std::string xml = ZipPart(dir / "t.docx", "word/document.xml");
  EXPECT_NE(xml.find("<w:gridCol w:w=\"4536\"/><w:gridCol w:w=\"4536\"/></w:tblGrid>"),
            std::string::npos);
  EXPECT_NE(xml.find("<w:jc w:val=\"right\"/></w:pPr><w:r><w:t xml:space=\"preserve\">Preis"),
            std::string::npos);
  EXPECT_NE(xml.find("<w:jc w:val=\"center\"/></w:pPr><w:r><w:t xml:space=\"preserve\">a&lt;b"
                     "</w:t><w:br/><w:t xml:space=\"preserve\">c</w:t>"),
            std::string::npos);
  EXPECT_EQ(xml.find("<w:jc w:val=\"left\""), std::string::npos);  // left is not set
  EXPECT_NE(xml.find(">5&#8364;</w:t>"), std::string::npos);  // the control character goes
  EXPECT_NO_THROW(ParseXmlPart(xml, "word/document.xml", {}));  // well-formed
  EXPECT_NE(ZipPart(dir / "t.docx", "[Content_Types].xml").find("/word/document.xml"),
            std::string::npos);
}

}  // namespace
