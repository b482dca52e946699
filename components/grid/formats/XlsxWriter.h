// Writes worksheets of .xlsx workbooks: a new workbook of one sheet, or one sheet put into an
// existing workbook by replacing that sheet's part (or adding the sheet at the end), so that
// every other part of the archive stays as it was. Cells are Text or Number values; empty
// ones are left out. Failures throw Exception and leave an existing file unchanged.
#pragma once

#include <string>
#include <vector>

#include "components/grid/formats/SheetData.h"

using TSheetRows = std::vector<std::vector<TSheetValue>>;

// A new workbook; an empty SheetName gives the sheet its default name.
void WriteXlsxFile(const AnsiString& FileName, const AnsiString& SheetName, const TSheetRows& Rows);
// The sheet SheetName (the active one for "") of the workbook FileName gets the rows and
// nothing else; a name the workbook lacks adds that sheet at the end.
void PutXlsxSheet(const AnsiString& FileName, const AnsiString& SheetName, const TSheetRows& Rows);
