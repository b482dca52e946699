// "*" (any run of characters) and "?" (any one character) over a whole text, in time
// proportional to the text's length times the pattern's: after a mismatch only the last "*"
// takes one more character.
#pragma once

#include <string_view>

bool MatchWildcard(std::string_view pattern, std::string_view text, bool ignoreCase);
