// Wrapping found words of a mini-HTML cell text in a tag and taking that tag out again
// (highlighting and error marking in cells). A tag runs from "<" to the next ">"; a "<" that
// is never closed is text.
#pragma once

#include "platform/core/text.h"

// Wraps every occurrence of Find in the visible text in "<Tag>" ... "</Tag>". A place in the
// visible text lands in the marked-up text right after the visible character before it, so a
// highlight that starts or ends where a tag stands goes before that tag. Occurrences do not
// overlap; without CaseSensitive they are found ignoring the case of every letter.
AnsiString HiLight(const AnsiString& Text, const AnsiString& Find, const AnsiString& Tag,
                   bool CaseSensitive);
// Removes every "<Tag>" and "</Tag>", letter case ignored.
AnsiString UnHiLight(const AnsiString& Text, const AnsiString& Tag);
