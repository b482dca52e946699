// The grid's exchange with workbooks, documents and ODBC sources: which cells land where,
// the sizes, the fixed cells, the messages, and the cursor after a failure.
#include <gtest/gtest.h>

#include "../temp_folder.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/formats/OdbcRecordSet.h"
#include "components/grid/formats/OfficeConverter.h"
#include "components/grid/formats/XlsxReader.h"
#include "ext_grid_error.h"
#include "grid_text.h"
#include "odbc_sandbox.h"
#include "office_files.h"
#include "platform/controls/screen.h"
#include "platform/core/exception.h"
#include "xls_sample.h"

OdbcSandbox& OdbcSandbox::Sandbox() {
  static OdbcSandbox sandbox;
  return sandbox;
}

namespace {

// Made before any test reaches the driver manager.
const OdbcSandbox& odbcSandbox = OdbcSandbox::Sandbox();

class GridOffice : public testing::Test {
 protected:
  GridOffice() : grid(nullptr) {
    grid.SetColCount(5);
    grid.SetRowCount(6);
    WriteZip(book, TwoSheetWorkbook());
  }
  GermanLocale locale;
  TempFolder dir;
  std::string book = dir / "book.xlsx";
  TExtStringGrid grid;
};

TEST_F(GridOffice, SheetLandsFromCellZeroWithFixedCellsSaved) {
  grid.SetFixedRows(0), grid.SetFixedCols(0);
  grid.SetCells(0, 2, "kept"), grid.SetCells(1, 2, "kept too");
  grid.LoadFromXLS(book);  // the active sheet, used range B2:D5
  EXPECT_EQ(grid.GetColCount(), 3);
  EXPECT_EQ(grid.GetRowCount(), 4);
  EXPECT_EQ(RowText(grid, 0), "Name|Preis|Datum");
  EXPECT_EQ(RowText(grid, 1), "Schraube|12,5|01.01.2024");
  EXPECT_EQ(RowText(grid, 2), "kept|kept too|True");  // error and empty cells leave them
  EXPECT_EQ(RowText(grid, 3), "1234567,89123457|x|12:00:00");
}

TEST_F(GridOffice, SheetLandsAfterTheFixedCellsWhenTheyAreNotSaved) {
  grid.SetFixedRows(1), grid.SetFixedCols(1);
  grid.SaveFixedCells = false;
  grid.LoadFromXLSSheet(book, "Daten");
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(grid.GetRowCount(), 5);
  EXPECT_EQ(grid.Cells(1, 1), "Name");
  EXPECT_EQ(grid.Cells(3, 4), "12:00:00");
  EXPECT_EQ(grid.Cells(0, 0), "");
}

TEST_F(GridOffice, OneCellSheetGivesOneCellAndAMissingSheetChangesNothing) {
  grid.SetFixedRows(0), grid.SetFixedCols(0);
  grid.SetCells(0, 0, "old");
  EXPECT_EQ(ErrorOf([&] { grid.LoadFromXLSSheet(book, "Fehlt"); }),
            "Excel worksheet Fehlt not found");
  EXPECT_EQ(grid.GetColCount(), 5);
  EXPECT_EQ(grid.Cells(0, 0), "old");
  grid.LoadFromXLSSheet(book, "Erste");
  EXPECT_EQ(grid.GetColCount(), 1);
  EXPECT_EQ(grid.GetRowCount(), 1);
  EXPECT_EQ(grid.Cells(0, 0), "eins");
}

TEST_F(GridOffice, FailuresGiveTheCursorBack) {
  Screen->SetCursor(crUpArrow);
  EXPECT_EQ(ErrorOf([&] { grid.LoadFromXLS(dir / "missing.xlsx"); }),
            "Cannot open file " + dir / "missing.xlsx");
  EXPECT_EQ(Screen->GetCursor(), crUpArrow);
  WriteBytes(dir / "broken.xlsx", "PK but nothing more");
  EXPECT_THROW(grid.LoadFromXLS(dir / "broken.xlsx"), Exception);
  EXPECT_EQ(Screen->GetCursor(), crUpArrow);
  EXPECT_THROW(grid.LoadFromMDBSQL(dir / "none.mdb", "SELECT 1"), Exception);
  EXPECT_EQ(Screen->GetCursor(), crUpArrow);
  Screen->SetCursor(crDefault);
}

TEST_F(GridOffice, ExportOf28ColumnsWritesUpToAB10WithoutTheFixedCells) {
  grid.SetFixedRows(1), grid.SetFixedCols(1);
  grid.SaveFixedCells = false;
  grid.SetColCount(29);
  grid.SetRowCount(11);
  grid.SetCells(0, 0, "fixed");
  grid.SetCells(1, 1, "first");
  grid.SetCells(28, 10, "12,5");
  grid.SetCells(2, 1, "two\r\nlines");
  grid.SaveToXLS(dir / "out.xlsx");
  const std::string sheet = ZipPart(dir / "out.xlsx", "xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet.find("<dimension ref=\"A1:AB10\"/>"), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"AB10\"><v>12.5</v></c>"), std::string::npos);  // a number
  TExtStringGrid back(nullptr);
  back.SetFixedRows(0), back.SetFixedCols(0);
  back.LoadFromXLS(dir / "out.xlsx");
  EXPECT_EQ(back.Cells(0, 0), "first");
  EXPECT_EQ(back.Cells(1, 0), "two\nlines");
  EXPECT_EQ(back.Cells(27, 9), "12,5");
}

TEST_F(GridOffice, SheetWrittenIntoAWorkbookKeepsTheOtherSheet) {
  SetRowTexts(grid, {{"Teil", "Preis"}, {"Mutter", "0,10"}});
  grid.SaveToXLSSheet(book, "Daten");
  EXPECT_EQ(ZipPart(book, "xl/worksheets/sheet1.xml"),
            TwoSheetWorkbook().at("xl/worksheets/sheet1.xml"));
  TExtStringGrid back(nullptr);
  back.SetFixedRows(0), back.SetFixedCols(0);
  back.LoadFromXLSSheet(book, "Daten");
  EXPECT_EQ(RowText(back, 1), "Mutter|0,1");
  // A missing file is new.
  grid.SaveToXLSSheet(dir / "fresh.xlsx", "Liste");
  EXPECT_EQ(XlsxSheetNames(dir / "fresh.xlsx"), std::vector<AnsiString>{"Liste"});
}

TEST_F(GridOffice, LegacyTargetsWithoutTheOfficeSuiteRaiseTheServerErrors) {
  if (!OfficeConverterProgram().empty()) GTEST_SKIP() << "an office suite is installed";
  EXPECT_EQ(ErrorOf([&] { grid.SaveToXLS(dir / "old.XLS"); }), "Excel OLE server not found");
  EXPECT_EQ(ErrorOf([&] { grid.SaveToDOC(dir / "old.doc"); }), "Word OLE server not found");
  EXPECT_FALSE(std::filesystem::exists(dir / "old.XLS"));
  EXPECT_FALSE(std::filesystem::exists(dir / "old.doc"));
}

TEST_F(GridOffice, LegacyTargetsGoThroughTheOfficeSuite) {
  if (OfficeConverterProgram().empty()) GTEST_SKIP() << "no office suite";
  SetRowTexts(grid, {{"Teil", "Preis"}, {"Mutter", "0,10"}});
  grid.SaveToXLS(dir / "old.xls");
  TExtStringGrid back(nullptr);
  back.LoadFromXLS(dir / "old.xls");
  EXPECT_EQ(back.Cells(0, 0), "Teil");
  grid.SaveToDOC(dir / "old.doc");
  EXPECT_TRUE(std::filesystem::exists(dir / "old.doc"));
}

TEST_F(GridOffice, DocumentTableHasEveryCellAndTheColumnsAlignment) {
  SetRowTexts(grid, {{"Teil", "Preis"}, {"Mutter", "0,10"}});
  grid.OnGetAlignment = [](TObject*, int, int ACol, TAlignment& HAlign, TVAlignment&) {
    if (ACol == 1) HAlign = taRightJustify;
  };
  grid.SaveToDOC(dir / "t.docx");
  const std::string xml = ZipPart(dir / "t.docx", "word/document.xml");
  EXPECT_NE(xml.find("<w:p><w:r><w:t xml:space=\"preserve\">Teil</w:t>"), std::string::npos);
  EXPECT_NE(xml.find("<w:jc w:val=\"right\"/></w:pPr><w:r><w:t xml:space=\"preserve\">0,10"),
            std::string::npos);
  EXPECT_NE(xml.find("<w:jc w:val=\"right\"/></w:pPr><w:r><w:t xml:space=\"preserve\">Preis"),
            std::string::npos);
}

TEST_F(GridOffice, LegacyWorkbookIsReadThroughItsRecords) {
  WriteBytes(
      dir / "old.xls",
      XlsSample::Build(
          {{"Leer", {}}, {"Blatt", {{1, 1, "Teil"}, {2, 2, "", 2.5}, {2, 3, "", 45292, true}}}}));
  grid.SetFixedRows(0), grid.SetFixedCols(0);
  grid.LoadFromXLSSheet(dir / "old.xls", "Blatt");
  EXPECT_EQ(grid.GetColCount(), 3);
  EXPECT_EQ(grid.GetRowCount(), 2);
  EXPECT_EQ(RowText(grid, 0), "Teil||");
  EXPECT_EQ(RowText(grid, 1), "|2,5|01.01.2024");
  EXPECT_EQ(ErrorOf([&] { grid.LoadFromXLSSheet(dir / "old.xls", "Fehlt"); }),
            "Excel worksheet Fehlt not found");
  const std::string whole = XlsSample::Build({{"Blatt", {{1, 1, "Teil"}}}});
  for (std::size_t cut : {std::size_t{8}, std::size_t{600}, std::size_t{1100}}) {
    WriteBytes(dir / "cut.xls", whole.substr(0, cut));
    EXPECT_THROW(grid.LoadFromXLS(dir / "cut.xls"), Exception) << cut;
  }
  EXPECT_EQ(RowText(grid, 1), "|2,5|01.01.2024");  // nothing changed
}

class GridDatabase : public GridOffice {
 protected:
  void SetUp() override {
    if (!odbc.Available()) GTEST_SKIP() << "no SQLite ODBC driver";
    OdbcConnection connection("DSN=parts");
    for (const char* sql :
         {"DROP TABLE IF EXISTS [Teile Liste]", "DROP TABLE IF EXISTS Leer",
          "CREATE TABLE [Teile Liste] (Nr INTEGER, Name TEXT, Preis REAL)",
          "INSERT INTO [Teile Liste] VALUES (1, 'Schraube', 0.5)",
          "INSERT INTO [Teile Liste] VALUES (2, NULL, 2)", "CREATE TABLE Leer (A TEXT, B TEXT)"})
      OdbcRecordSet(connection, sql);
  }
  const OdbcSandbox& odbc = odbcSandbox;
};

TEST_F(GridDatabase, TableRecordsFollowTheHeaderRowAndOldRowsAreEmptied) {
  grid.SetFixedRows(1), grid.SetFixedCols(1);
  grid.SetCells(1, 4, "old record");
  grid.LoadFromMDBTable("DSN=parts", "Teile Liste");
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(RowText(grid, 0), "|Nr|Name|Preis");
  EXPECT_EQ(RowText(grid, 1), "|1|Schraube|0.5");
  EXPECT_EQ(RowText(grid, 2), "|2||2.0");  // NULL is empty
  EXPECT_GE(grid.GetRowCount(), 3);
  for (int r = 3; r < grid.GetRowCount(); ++r) EXPECT_EQ(RowText(grid, r), "|||") << r;
}

TEST_F(GridDatabase, RecordsGrowTheGridAndAQueryWithoutRecordsKeepsItsRows) {
  grid.SetFixedRows(1), grid.SetFixedCols(0);
  grid.SetRowCount(2);
  grid.LoadFromMDBSQL("DSN=parts", "SELECT Name FROM [Teile Liste] ORDER BY Nr");
  EXPECT_EQ(ColumnText(grid, 0), "Name|Schraube|");
  grid.LoadFromMDBSQL("Driver={Kalvento SQLite};Database=" + odbc.Database(), "SELECT * FROM Leer");
  EXPECT_EQ(grid.GetRowCount(), 3);
  EXPECT_EQ(RowText(grid, 0), "A|B");
  EXPECT_EQ(RowText(grid, 1), "|");
  EXPECT_THROW(grid.LoadFromMDBTable("DSN=parts", "Fehlt"), Exception);
}

TEST_F(GridDatabase, RecordSetReadsForwardWithNullAsEmpty) {
  OdbcConnection connection("DSN=parts");
  OdbcRecordSet records(
      connection, "SELECT Nr, Name FROM " + connection.QuoteName("Teile Liste") + " ORDER BY Nr");
  ASSERT_EQ(records.FieldCount(), 2);
  EXPECT_EQ(records.FieldName(1), "Name");
  AnsiString seen;
  for (; !records.Eof(); records.MoveNext())
    seen += records.Value(0) + "=" + records.Value(1) + ";";
  EXPECT_EQ(seen, "1=Schraube;2=;");
  records.MoveNext();  // past the end stays there
  EXPECT_TRUE(records.Eof());
}

TEST(OdbcRecordSet, ConnectionValuesAreBracedOnlyWhenTheyMustBe) {
  EXPECT_EQ(ConnectionValue("/data/parts.mdb"), "/data/parts.mdb");
  EXPECT_EQ(ConnectionValue("/data/a;b.mdb"), "{/data/a;b.mdb}");
  EXPECT_EQ(ConnectionValue("x}y=z"), "{x}}y=z}");
}

}  // namespace
