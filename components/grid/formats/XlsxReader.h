// Reads one worksheet of an .xlsx workbook: the sheet's used range (the span of the cells the
// sheet lists) and its values, typed as the workbook stores them: shared and inline texts,
// numbers, booleans, error values, and numbers whose number format shows a date or time as
// dates. Formulas give their stored result; nothing is calculated.
#pragma once

#include <vector>

#include "components/grid/formats/SheetData.h"

// The workbook's sheet names in their order.
std::vector<AnsiString> XlsxSheetNames(const AnsiString& FileName);
// The sheet SheetName (exact comparison), or the active sheet for an empty name. False when
// the workbook has no such sheet. A damaged file throws Exception.
bool ReadXlsxSheet(const AnsiString& FileName, const AnsiString& SheetName, TSheetData& Sheet);
