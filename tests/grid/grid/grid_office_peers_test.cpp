// The office files as programs no one here wrote read and write them: openpyxl reads the
// workbooks, python-docx the documents, and xlwt writes the legacy workbooks the grid loads.
// Workbooks that would overflow a counter are refused, and nothing is cut without a word.
#include <gtest/gtest.h>

#include <filesystem>

#include "../python_peer.h"
#include "../temp_folder.h"
#include "components/grid/formats/OfficeConverter.h"
#include "components/grid/formats/ZipArchive.h"
#include "components/grid/grid/ExtGrid.h"
#include "grid_text.h"
#include "office_files.h"
#include "platform/core/exception.h"

namespace {

class GridOfficePeers : public testing::Test {
 protected:
  GridOfficePeers() : grid(nullptr) {
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
  }
  TempFolder dir;
  TExtStringGrid grid;
};

// A sheet cell's text is kept whole up to the format's 32,767 characters, each one byte of
// the grid's text and two of UTF-8; one more is refused with the cell named.
TEST_F(GridOfficePeers, SheetCellsAreKeptWholeOrRefused) {
  REQUIRE_PYTHON_MODULE("openpyxl", "python3-openpyxl");
  SetRowTexts(grid, {{"Teil", AnsiString(32767, '\xE4')}});
  grid.SaveToXLS(dir / "lang.xlsx");
  const PythonRun run = RunPython(
      "import openpyxl, sys\n"
      "sheet = openpyxl.load_workbook(sys.argv[1]).active\n"
      "print(sheet['A1'].value, len(sheet['B1'].value), set(sheet['B1'].value) == {'\\u00e4'})",
      {dir / "lang.xlsx"});
  EXPECT_EQ(run.out, "Teil 32767 True\n");

  grid.SetCells(1, 0, AnsiString(32768, 'x'));
  std::string message;
  try {
    grid.SaveToXLS(dir / "zu-lang.xlsx");
  } catch (const Exception& e) {
    message = e.Message;
  }
  EXPECT_EQ(message, "Cannot write " + dir / "zu-lang.xlsx" +
                         ": the text of cell B1 is longer than the 32767 characters a sheet "
                         "cell holds");
  EXPECT_FALSE(std::filesystem::exists(dir / "zu-lang.xlsx"));
}

// Sheet ids are 32-bit in the format: one the next id cannot follow marks the workbook as
// damaged, and it is left as it was.
TEST_F(GridOfficePeers, AWorkbookWhoseSheetIdsOverflowIsRefusedUnchanged) {
  SetRowTexts(grid, {{"neu"}});
  for (const char* id : {"12345678901234567890", "9223372036854775807", "4294967295"}) {
    SCOPED_TRACE(id);
    auto parts = TwoSheetWorkbook();
    std::string& book = parts["xl/workbook.xml"];
    book.replace(book.find("sheetId=\"2\""), 11, std::string("sheetId=\"") + id + "\"");
    WriteZip(dir / "book.xlsx", parts);
    const std::string before = ReadBytes(dir / "book.xlsx");
    EXPECT_THROW(grid.SaveToXLSSheet(dir / "book.xlsx", "Neu"), Exception);
    EXPECT_EQ(ReadBytes(dir / "book.xlsx"), before);
  }
  auto parts = TwoSheetWorkbook();
  WriteZip(dir / "book.xlsx", parts);
  grid.SaveToXLSSheet(dir / "book.xlsx", "Neu");
  EXPECT_NE(ZipPart(dir / "book.xlsx", "xl/workbook.xml").find("sheetId=\"3\""),
            std::string::npos);
}

TEST_F(GridOfficePeers, AnEmptyPartIsStoredAndReadBackEmpty) {
  {
    ZipArchive zip(dir / "leer.zip", ZipArchive::Create);
    zip.Put("leer.xml", "");
    zip.Put("voll.xml", "<a/>");
    zip.Commit();
  }
  ZipArchive zip(dir / "leer.zip", ZipArchive::Read);
  EXPECT_TRUE(zip.Has("leer.xml"));
  EXPECT_EQ(zip.Entry("leer.xml"), "");
  EXPECT_EQ(zip.Entry("voll.xml"), "<a/>");
}

TEST_F(GridOfficePeers, ALegacyWorkbookWrittenByXlwtIsLoaded) {
  REQUIRE_PYTHON_MODULE("xlwt", "python3-xlwt");
  const PythonRun run = RunPython(
      "import xlwt, sys\n"
      "book = xlwt.Workbook()\n"
      "sheet = book.add_sheet('Blatt')\n"
      "sheet.write(0, 0, 'Teil'); sheet.write(1, 1, 2.5); sheet.write(2, 0, 'Mutter M6')\n"
      "book.save(sys.argv[1])",
      {dir / "alt.xls"});
  ASSERT_EQ(run.status, 0);
  GermanLocale locale;
  grid.LoadFromXLSSheet(dir / "alt.xls", "Blatt");
  EXPECT_EQ(grid.GetColCount(), 2);
  EXPECT_EQ(grid.GetRowCount(), 3);
  EXPECT_EQ(RowText(grid, 0) + "/" + RowText(grid, 1) + "/" + RowText(grid, 2),
            "Teil|/|2,5/Mutter M6|");
}

TEST_F(GridOfficePeers, ADocumentTableIsReadByPythonDocx) {
  REQUIRE_PYTHON_MODULE("docx", "python3-docx");
  SetRowTexts(grid, {{"Teil", "Preis"}, {"Mutter <M6> & Co", "0,10"}});
  grid.SaveToDOC(dir / "liste.docx");
  const PythonRun run = RunPython(
      "import docx, sys\n"
      "table = docx.Document(sys.argv[1]).tables[0]\n"
      "print('|'.join(cell.text for row in table.rows for cell in row.cells))",
      {dir / "liste.docx"});
  EXPECT_EQ(run.out, "Teil|Preis|Mutter <M6> & Co|0,10\n");
}

// The legacy targets through the office suite: python-docx reads the document once the suite
// has turned it back into .docx, and the grid reads the legacy workbook.
TEST_F(GridOfficePeers, LegacyTargetsAreReadBackByAPeer) {
  if (OfficeConverterProgram().empty())
    GTEST_SKIP() << "needs the office suite (Debian packages libreoffice-calc-nogui and "
                    "libreoffice-writer-nogui)";
  REQUIRE_PYTHON_MODULE("docx", "python3-docx");
  SetRowTexts(grid, {{"Teil", "Preis"}, {"Mutter & Co", "0,10"}});
  grid.SaveToDOC(dir / "liste.doc");
  ConvertOfficeFile(dir / "liste.doc", "docx", dir / "wieder.docx");
  const PythonRun run = RunPython(
      "import docx, sys\n"
      "table = docx.Document(sys.argv[1]).tables[0]\n"
      "print('|'.join(cell.text for row in table.rows for cell in row.cells))",
      {dir / "wieder.docx"});
  EXPECT_EQ(run.out, "Teil|Preis|Mutter & Co|0,10\n");

  grid.SaveToXLS(dir / "liste.xls");
  TExtStringGrid back(nullptr);
  back.SetFixedRows(0), back.SetFixedCols(0);
  back.LoadFromXLS(dir / "liste.xls");
  EXPECT_EQ(RowText(back, 1), "Mutter & Co|0,10");
}

}  // namespace
