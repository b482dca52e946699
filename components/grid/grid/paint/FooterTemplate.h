// The floating footer's custom template: each "<#n>" stands for the text of column n of the
// current row. Stands without the grid: the column texts come from ColumnText.
#pragma once

#include <functional>

#include "platform/core/text.h"

// A tag whose n is no number is dropped with its brackets; a "<#" without a closing ">" stays
// as it is.
AnsiString HTMLColReplace(const AnsiString& Template,
                          const std::function<AnsiString(int ACol)>& ColumnText);
