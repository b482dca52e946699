// Whether a PDF file was written to its end. A writer that runs out of room (a full disk, a
// file-size limit) may not say so; a cut file lacks the cross-reference its last lines point to.
#pragma once

#include "platform/core/text.h"

// True when the file ends in "%%EOF" after a "startxref" whose offset points at the file's
// cross-reference ("xref" or a cross-reference stream's object).
bool PdfComplete(const AnsiString& fileName);
