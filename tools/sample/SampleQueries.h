// The saved queries of the bundled database, written for its parts table.
#pragma once

#include "platform/core/text.h"

// Opens the table (whose file name the queries record), writes each query into the folder and
// closes the table; false when one could not be written.
bool WriteSampleQueries(const AnsiString& table, const AnsiString& folder);
