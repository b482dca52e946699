// Reads one worksheet of a legacy .xls workbook (the binary format) through libfreexl: the
// span of its cells that hold values, and those values as texts, numbers and dates.
#pragma once

#include <vector>

#include "components/grid/formats/SheetData.h"

// The sheet SheetName (exact comparison), or the first sheet for an empty name. False when
// the workbook has no such sheet. A file that is no readable workbook throws Exception; the
// library reads in a child process, so not even a file that misleads it ends the program.
bool ReadXlsSheet(const AnsiString& FileName, const AnsiString& SheetName, TSheetData& Sheet);
