#pragma once

#include "valore.h"

#include <string>

// The fraction a repeating decimal equals, by the rule the game teaches and
// never simplified: 1,5(31) = [1531-15]/990 = 1516/990.
//
// Returns "N/D"; stores N and D as digits in Numeratore and Denominatore and
// leaves intero holding the number intero x D. A missing aperiodo becomes the
// empty text. When a part is not a whole number, or the result would be too
// large to be exact, it throws (ErroreConversione or std::overflow_error) and
// changes nothing.
std::string decfraz(Valore &intero, Valore &aperiodo, double periodo, std::string &Numeratore,
                    std::string &Denominatore);
