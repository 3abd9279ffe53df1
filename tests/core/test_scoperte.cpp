// Inputs the fuzz targets in fuzz/ found to break a rule, kept here so they
// stay fixed.

#include "decfraz.h"
#include "valore.h"

#include <gtest/gtest.h>

#include <string>

// A negative zero is the whole number 0: its digits carry no sign, so a
// period of -0 is one digit long, like a period of 0.
TEST(Scoperte, NegativeZeroIsTheDigitZero)
{
    EXPECT_EQ(testoIntero(-0.0), "0");
    EXPECT_EQ(Valore(-0.0).cifre(), "0");

    Valore intero = "1641583476736";
    Valore aperiodo;
    std::string n, d;
    EXPECT_EQ(decfraz(intero, aperiodo, -0.0, n, d), "14774251290624/9");

    Valore zero = -0.0;
    Valore cinque = "5";
    EXPECT_EQ(decfraz(zero, cinque, -0.0, n, d), "45/90");
    Valore tre = "3";
    Valore zeroNegativo = -0.0;
    EXPECT_EQ(decfraz(tre, zeroNegativo, 7, n, d), "277/90");
}
