#pragma once

#include <string_view>

// Reads the number a text begins with, the way answers and stored scores are
// read: leading blanks skipped, blanks (space, tab, line feed) inside the
// number ignored, one optional sign, digits with an optional full stop and
// exponent, stopping at the first other character. "15 16" reads 1516,
// "1516/990" reads 1516, "15+16" reads 15, "12\r\n" reads 12; a text that
// does not begin with a number reads 0. The full stop is the decimal point
// whatever the locale.
double leggiNumeroIniziale(std::string_view testo);
