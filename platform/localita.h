#pragma once

#include <QLocale>

// The decimal separator of the user's locale as its single-byte
// (Windows-1252) code: 44 for ",", 46 for ".". A locale whose separator is
// not exactly one character that code page holds gets 46.
int SeparatoreDecimali(const QLocale &locale = QLocale::system());
