// What the grid's office exchange shares: the errors of the missing servers and the legacy
// targets that only the office suite's converter writes.
#pragma once

#include <functional>

#include "platform/core/text.h"

inline constexpr const char* kExcelNotFound = "Excel OLE server not found";
inline constexpr const char* kWordNotFound = "Word OLE server not found";

// Writes FileName through Write. A target with the legacy extension (".xls", ".doc", either
// case) needs the converter, else ServerError is raised before anything is written: Write
// then makes the modern file (ModernExtension) in a scratch folder, given the file converted
// back when Existing and it exists, and the converter turns the result into FileName.
void WriteOfficeTarget(const AnsiString& FileName, const AnsiString& LegacyExtension,
                       const AnsiString& ModernExtension, const char* ServerError, bool Existing,
                       const std::function<void(const AnsiString& Target, bool Exists)>& Write);
