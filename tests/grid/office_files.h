// Test support for the office exchange: the locale the expected texts are written in, and
// .xlsx workbooks put together from their parts.
#pragma once

#include <fstream>
#include <map>
#include <string>

#include "components/grid/formats/ZipArchive.h"
#include "platform/core/text.h"

class GermanLocale {
 public:
  GermanLocale()
      : decimal_(DecimalSeparator),
        date_(DateSeparator),
        time_(TimeSeparator),
        format_(ShortDateFormat) {
    DecimalSeparator = ',', DateSeparator = '.', TimeSeparator = ':';
    ShortDateFormat = "dd.mm.yyyy";
  }
  ~GermanLocale() {
    DecimalSeparator = decimal_, DateSeparator = date_, TimeSeparator = time_;
    ShortDateFormat = format_;
  }

 private:
  char decimal_, date_, time_;
  AnsiString format_;
};

inline void WriteZip(const std::string& Path, const std::map<std::string, std::string>& Parts) {
  ZipArchive zip(Path, ZipArchive::Create);
  for (const auto& [name, bytes] : Parts) zip.Put(name, bytes);
  zip.Commit();
}

inline std::string ZipPart(const std::string& Path, const std::string& Name) {
  return ZipArchive(Path, ZipArchive::Read).Entry(Name);
}

// A workbook of two sheets, "Erste" (A1 "eins") and "Daten" (active), whose cells span B2:D5:
//   B2 "Name"  (shared)       C2 "Preis" (inline)      D2 "Datum" (shared)
//   B3 "Schraube" (shared)    C3 12.5                  D3 45292 as dd/mm/yyyy (1.1.2024)
//   B4 #DIV/0! (error)        C4 styled, no value      D4 TRUE
//   B5 1234567.891234567891   C5 formula giving "x"    D5 0.5 in the built-in date format
inline std::map<std::string, std::string> TwoSheetWorkbook() {
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
  const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  return {
      {"[Content_Types].xml",
       head + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
              "<Default Extension=\"rels\" ContentType=\"application/"
              "vnd.openxmlformats-package.relationships+xml\"/>"
              "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
      {"_rels/.rels", head +
                          "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                          "relationships\"><Relationship Id=\"rId1\" Type=\"" +
                          rel + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
      {"xl/workbook.xml",
       head + "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel +
           "\"><bookViews><workbookView activeTab=\"1\"/></bookViews><sheets>"
           "<sheet name=\"Erste\" sheetId=\"1\" r:id=\"rId1\"/>"
           "<sheet name=\"Daten\" sheetId=\"2\" r:id=\"rId2\"/></sheets></workbook>"},
      {"xl/_rels/workbook.xml.rels",
       head +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
           "relationships\">"
           "<Relationship Id=\"rId1\" Type=\"" +
           rel +
           "/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
           "<Relationship Id=\"rId2\" Type=\"" +
           rel +
           "/worksheet\" Target=\"/xl/worksheets/data.xml\"/>"
           "<Relationship Id=\"rId3\" Type=\"" +
           rel +
           "/sharedStrings\" Target=\"sharedStrings.xml\"/>"
           "<Relationship Id=\"rId4\" Type=\"" +
           rel +
           "/styles\" Target=\"styles.xml\"/>"
           "</Relationships>"},
      {"xl/sharedStrings.xml", head + "<sst xmlns=\"" + main +
                                   "\"><si><t>eins</t></si><si><t>Name</t></si>"
                                   "<si><t>Datum</t></si><si><r><t>Schr</t></r><r><t>aube</t></r>"
                                   "<rPh><t>ignored</t></rPh></si></sst>"},
      {"xl/styles.xml",
       head + "<styleSheet xmlns=\"" + main +
           "\"><numFmts count=\"1\">"
           "<numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/></numFmts>"
           "<cellStyleXfs><xf numFmtId=\"164\"/></cellStyleXfs>"
           "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"14\"/></cellXfs>"
           "</styleSheet>"},
      {"xl/worksheets/sheet1.xml", head + "<worksheet xmlns=\"" + main +
                                       "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\">"
                                       "<v>0</v></c></row></sheetData></worksheet>"},
      {"xl/worksheets/data.xml",
       head + "<x:worksheet xmlns:x=\"" + main +
           "\"><x:dimension ref=\"A1:Z99\"/><x:sheetData>"
           "<x:row r=\"2\"><x:c r=\"B2\" t=\"s\"><x:v>1</x:v></x:c>"
           "<x:c r=\"C2\" t=\"inlineStr\"><x:is><x:t>Preis</x:t></x:is></x:c>"
           "<x:c r=\"D2\" t=\"s\"><x:v>2</x:v></x:c></x:row>"
           "<x:row r=\"3\"><x:c r=\"B3\" t=\"s\"><x:v>3</x:v></x:c><x:c "
           "r=\"C3\"><x:v>12.5</x:v></x:c>"
           "<x:c r=\"D3\" s=\"1\"><x:v>45292</x:v></x:c></x:row>"
           "<x:row r=\"4\"><x:c r=\"B4\" t=\"e\"><x:f>1/0</x:f><x:v>#DIV/0!</x:v></x:c>"
           "<x:c r=\"C4\" s=\"1\"/><x:c r=\"D4\" t=\"b\"><x:v>1</x:v></x:c></x:row>"
           "<x:row r=\"5\"><x:c r=\"B5\"><x:v>1234567.891234567891</x:v></x:c>"
           "<x:c r=\"C5\" t=\"str\"><x:f>\"x\"</x:f><x:v>x</x:v></x:c>"
           "<x:c r=\"D5\" s=\"2\"><x:v>0.5</x:v></x:c></x:row>"
           "</x:sheetData></x:worksheet>"},
  };
}
