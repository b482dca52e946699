// Cell texts made fit for the HTML and XML exports, without the grid.
#pragma once

#include "platform/core/text.h"

// & < > and " as entities, and the bytes 0x80 to 0x9F (which Windows-1252 gives characters
// that ISO-8859-1 lacks) as references to those characters.
AnsiString XMLEscape(const AnsiString& Text);
// A text holding "://" or "mailto:" (and no "</") as a link: the whole text as the address, in
// quotes; the shown text is the whole text with Full, else what follows "://" or "mailto:",
// at most 255 characters. "mailto:" decides when both are there. Other texts stay.
AnsiString MakeHRef(const AnsiString& Text, bool Full);
