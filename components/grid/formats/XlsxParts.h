// The workbook part of an .xlsx archive and what it leads to: the sheets in their order with
// the parts that hold them, the active sheet, the date system, and the shared-string and
// style parts. Part names are archive paths ("xl/worksheets/sheet1.xml").
#pragma once

#include <string>
#include <vector>

#include "platform/core/text.h"

class ZipArchive;

struct XlsxSheetEntry {
  std::string Name;  // UTF-8
  std::string RelId;
  std::string Part;
};

struct XlsxWorkbook {
  std::string Part = "xl/workbook.xml";
  std::vector<XlsxSheetEntry> Sheets;
  std::size_t ActiveTab = 0;
  bool Date1904 = false;
  std::string SharedStringsPart, StylesPart;

  // The relationships part beside Part.
  std::string RelsPart() const;
  // The sheet of that name (Windows-1252, exact), the active one for "", or nullptr.
  const XlsxSheetEntry* Find(const AnsiString& SheetName) const;
};

XlsxWorkbook ReadXlsxWorkbook(const ZipArchive& Zip);
