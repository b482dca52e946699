// The visible text of a cell's mini-HTML: line-break and rule tags become line breaks, every
// other tag goes.
#pragma once

#include "platform/core/text.h"

// "<BR>" and "<HR>" (any case) become CR LF; every tag from "<" to the next ">" is removed. A
// "<" that no ">" follows ends the removal: the text from it onward stays as it is.
AnsiString HTMLStrip(const AnsiString& Text);
