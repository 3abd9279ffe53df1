#include "numerofrazione.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Caso
{
    const char *nome;
    double numero;
    int ripetute;
    int separatore;
    const char *atteso;
};

// A failure message shows each case and its input, not its bytes.
void PrintTo(const Caso &c, std::ostream *os)
{
    *os << c.nome << ": " << c.numero << ", " << c.ripetute << " repeating, separator "
        << testing::PrintToString(char(c.separatore));
}

class Conversione : public testing::TestWithParam<Caso>
{
};

TEST_P(Conversione, WholePartPlusReducedFraction)
{
    const Caso &c = GetParam();
    EXPECT_EQ(Numeroafrazione(c.numero, c.ripetute, c.separatore), c.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Numeroafrazione, Conversione,
    testing::Values(
        Caso{"quarter", 1.25, 0, '.', "1+1/4"}, Caso{"twentieth", 1.05, 0, '.', "1+1/20"},
        Caso{"fifth", 7.2, 0, '.', "7+1/5"}, Caso{"below_one", 0.125, 0, '.', "+1/8"},
        Caso{"half", 0.5, 0, '.', "+1/2"}, Caso{"reduced", 2.75, 0, '.', "2+3/4"},
        Caso{"nine_decimals", 0.123456789, 0, '.', "+123456789/1000000000"},
        Caso{"ten_decimals_overflow", 0.1234567891, 0, '.', "#Error 6"},
        Caso{"whole", 5, 0, '.', "5"}, Caso{"whole_three_digits", 146, 0, '.', "146"},
        Caso{"zero", 0, 0, '.', "0"}, Caso{"comma_separator", 1.25, 0, ',', "1+1/4"},
        Caso{"comma_below_one", 0.5, 0, ',', "+1/2"},
        Caso{"no_separator_falls_back_to_full_stop", 1.25, 0, 0, "1+1/4"},
        Caso{"digit_as_separator_falls_back", 1.25, 0, '2', "1+1/4"},
        Caso{"repeating_sixth", 0.1666, 1, '.', "+1/6"},
        Caso{"repeating_help_example", 1.5313131, 2, '.', "1+263/495"},
        Caso{"repeating_third", 0.3, 1, '.', "+1/3"},
        Caso{"whole_tail_repeats", 0.27, 5, '.', "+3/11"},
        Caso{"repeating_nines_are_one", 0.9, 1, '.', "+1/1"},
        Caso{"repeating_leading_zero", 0.05, 1, '.', "+1/18"},
        Caso{"repeating_too_long", 0.1234567891, 3, '.', "#Error 6"},
        Caso{"negative", -1.25, 0, '.', "-1-1/4"}, Caso{"negative_below_one", -0.5, 0, '.', "-1/2"},
        Caso{"negative_whole", -5, 0, '.', "-5"}, Caso{"infinity", HUGE_VAL, 0, '.', "#Error 6"},
        Caso{"not_a_number", std::nan(""), 0, '.', "#Error 6"},
        Caso{"tiny", 1e-300, 0, '.', "#Error 6"},
        Caso{"huge_whole", 1e20, 0, '.', "100000000000000000000"}),
    [](const testing::TestParamInfo<Caso> &info) { return std::string(info.param.nome); });

TEST(TestoLocale, ShortestTextOfAtMostFifteenDigits)
{
    EXPECT_EQ(testoLocale(0.5, '.'), "0.5");
    EXPECT_EQ(testoLocale(0.5, ','), "0,5");
    EXPECT_EQ(testoLocale(1.25, '.'), "1.25");
    EXPECT_EQ(testoLocale(1000000, '.'), "1000000");
    EXPECT_EQ(testoLocale(0.1 + 0.2, '.'), "0.3");
    EXPECT_EQ(testoLocale(1.0 / 3, '.'), "0.333333333333333");
    EXPECT_EQ(testoLocale(2.0 / 3, '.'), "0.666666666666667");
    EXPECT_EQ(testoLocale(123456.789, ','), "123456,789");
    EXPECT_EQ(testoLocale(0.00001, '.'), "0.00001");
    EXPECT_EQ(testoLocale(-7.5, '.'), "-7.5");
    EXPECT_EQ(testoLocale(0, '.'), "0");
}

TEST(Fattcom, EuclidOnAbsoluteValues)
{
    EXPECT_EQ(fattcom(12, 18), 6);
    EXPECT_EQ(fattcom(18, 12), 6);
    EXPECT_EQ(fattcom(-12, 18), 6);
    EXPECT_EQ(fattcom(12, -18), 6);
    EXPECT_EQ(fattcom(0, 7), 7);
    EXPECT_EQ(fattcom(100, 25), 25);
    EXPECT_EQ(fattcom(17, 5), 1);
    EXPECT_EQ(fattcom(2147483647, 2147483646), 1);
}

TEST(Fattcom, Failures)
{
    constexpr auto minimo = std::numeric_limits<std::int32_t>::min();
    const auto numeroErrore = [](auto &&f) {
        try {
            f();
        } catch (const ErroreNumerico &e) {
            return e.numero();
        }
        return 0;
    };
    EXPECT_EQ(numeroErrore([] { fattcom(7, 0); }), 11);
    EXPECT_EQ(numeroErrore([] { fattcom(0, 0); }), 11);
    EXPECT_EQ(numeroErrore([&] { fattcom(minimo, 5); }), 6);
    EXPECT_EQ(numeroErrore([&] { fattcom(5, minimo); }), 6);
}

TEST(InteroA32, NearestHalfToEvenWithinRange)
{
    EXPECT_EQ(interoA32(2.5), 2);
    EXPECT_EQ(interoA32(3.5), 4);
    EXPECT_EQ(interoA32(-2.5), -2);
    EXPECT_EQ(interoA32(2147483647.4), 2147483647);
    EXPECT_EQ(interoA32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
    EXPECT_THROW(interoA32(2147483647.5), ErroreNumerico);
    EXPECT_THROW(interoA32(std::nan("")), ErroreNumerico);

    EXPECT_EQ(interoA32(std::string_view("05")), 5);
    EXPECT_EQ(interoA32(std::string_view(" +12 ")), 12);
    EXPECT_EQ(interoA32(std::string_view("1000000000")), 1000000000);
    try {
        interoA32(std::string_view("10000000000"));
        ADD_FAILURE();
    } catch (const ErroreNumerico &e) {
        EXPECT_EQ(e.numero(), 6);
    }
    for (const char *testo : {"", "abc", "1,5", "12x", "-"}) {
        try {
            interoA32(std::string_view(testo));
            ADD_FAILURE() << testo;
        } catch (const ErroreNumerico &e) {
            EXPECT_EQ(e.numero(), 13) << testo;
        }
    }
}

} // namespace
