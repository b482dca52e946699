// What the grid's inplace edit lets in, by the editor type of the cell: the character filter
// of typing, the same rule for a paste, and the completion from a lookup list. Needs no grid.
#pragma once

#include "components/grid/core/BaseGridTypes.h"
#include "platform/core/strings.h"

// The editor types the inplace edit serves; every other type has a control of its own.
bool IsInplaceEditorType(TEditorType Type);

enum class TCharVerdict { Take, Drop, Beep };

// A character typed over the selection (SelStart, SelLength) of Text. Key may change case.
TCharVerdict FilterChar(TEditorType Type, char& Key, const AnsiString& Text, int SelStart,
                        int SelLength);

// Clip pasted over the selection, as if it were typed there character by character: false
// when a character would be refused. NewText gets the text the paste leaves (the case types
// re-case it).
bool FilterPaste(TEditorType Type, const AnsiString& Text, int SelStart, int SelLength,
                 const AnsiString& Clip, AnsiString& NewText);

// The first item (in list order) that begins with Typed, compared upper-cased unless
// CaseSensitive; -1 for none or an empty Typed.
int LookupMatch(const AnsiString& Typed, const TStrings& Items, bool CaseSensitive);
