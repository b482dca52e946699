// The number std::from_chars reads at the start of a stored number's text, without its cost
// for the short decimals a table holds.
#pragma once

// The number at [first, last) as std::from_chars reads it (0 where it reads none): an
// optional minus, digits with at most one point, up to the first other character.
double DbasePlainNumber(const char* first, const char* last);
