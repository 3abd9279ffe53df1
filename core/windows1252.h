#pragma once

#include <string>
#include <string_view>

// The 8-bit code page of the game's Windows days: the record files are
// written in it, and so are the number texts built with the locale's
// decimal separator.

// Windows-1252 bytes as UTF-8 text, byte for byte, line ends included.
std::string daWindows1252(std::string_view byte);

// UTF-8 text as Windows-1252 bytes, "?" for what the code page lacks.
std::string inWindows1252(std::string_view testoUtf8);
