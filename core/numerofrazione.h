#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A failed conversion, with the number the error form shows: 6 overflow,
// 11 division by zero, 13 a text that is not a number.
class ErroreNumerico : public std::runtime_error
{
public:
    static constexpr int Overflow = 6;
    static constexpr int DivisionePerZero = 11;
    static constexpr int NonUnNumero = 13;

    explicit ErroreNumerico(int numero);
    int numero() const { return numero_; }

private:
    int numero_;
};

// The greatest common factor of two 32-bit integers, by Euclid on their
// absolute values; always positive. A zero Y divides by zero, and the most
// negative 32-bit value has no absolute value: both throw ErroreNumerico.
std::int32_t fattcom(std::int32_t x, std::int32_t Y);

// A number as a 32-bit integer: the nearest, a half going to the even one;
// outside the 32-bit range it overflows.
std::int32_t interoA32(double numero);
// The same for a text, which must be a number and nothing else.
std::int32_t interoA32(std::string_view testo);

// A number as the user's locale writes it: the shortest text that gives it
// to at most 15 significant digits, with the given decimal separator, no
// grouping, never an exponent, and a 0 before the separator below 1.
std::string testoLocale(double numero, char separatore);

// A decimal number written as its whole part plus a reduced fraction:
// 1.25 -> "1+1/4", 0.5 -> "+1/2", 5 -> "5". The last DigitateRt decimal
// digits repeat when it is 1 or more (0.1666 with 1 -> "+1/6"). The
// separator is the locale's, as its single-byte code. Never throws: a
// failure gives "#Error " and its number. A negative number is written with
// its sign in front of both parts: -1.25 -> "-1-1/4".
std::string Numeroafrazione(double Valoredoppio, std::int16_t DigitateRt, int separatore);
