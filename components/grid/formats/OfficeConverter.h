// The office suite's converter, run headless where it is installed: it turns the .xlsx and
// .docx files this package writes into the legacy .xls and .doc formats and back, since
// nothing here writes those formats itself.
#pragma once

#include <string>

// The converter's program, "" when no office suite is installed.
std::string OfficeConverterProgram();
// Converts Source into the format of Extension ("xls", "doc", "xlsx") and puts the result at
// Target. Throws Exception when the converter fails or gives no file.
void ConvertOfficeFile(const std::string& Source, const std::string& Extension,
                       const std::string& Target);
