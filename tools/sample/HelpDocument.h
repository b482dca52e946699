// The help document "Kalvento - Hilfe.pdf": a short guide to the program's windows in German,
// each part followed by its English lines, drawn page by page into a PDF file.
#pragma once

#include "platform/core/text.h"

inline constexpr const char* kHelpDocument = "Kalvento - Hilfe.pdf";

// False when the file could not be written.
bool WriteHelpDocument(const AnsiString& fileName);
