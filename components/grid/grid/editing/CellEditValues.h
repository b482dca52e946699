// How a cell's text becomes the value an editor control opens on, and back. Needs no grid.
#pragma once

#include "platform/core/datetime.h"
#include "platform/core/text.h"

// A number with its unit ("12.5 mm", "1 m2"): the number is the leading run of sign,
// separators and digits, the unit the rest as written (blank included).
void SplitUnit(const AnsiString& Text, AnsiString& Number, AnsiString& Unit);

// The date (Time: the time) a picker opens on. Converted is false when the text is empty or
// no date, and the value is then Now: such a cell is written only when the user changes it.
TDateTime PickerValue(const AnsiString& Text, bool Time, bool& Converted);
