#include "lettura.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Caso
{
    const char *nome;
    std::string testo;
    double valore;
};

// A failure message shows each case and its text, not its bytes.
void PrintTo(const Caso &c, std::ostream *os)
{
    *os << c.nome << ": " << testing::PrintToString(c.testo);
}

class Lettura : public testing::TestWithParam<Caso>
{
};

TEST_P(Lettura, ReadsTheLeadingNumber)
{
    EXPECT_EQ(leggiNumeroIniziale(GetParam().testo), GetParam().valore) << GetParam().testo;
}

INSTANTIATE_TEST_SUITE_P(
    LeggiNumeroIniziale, Lettura,
    testing::Values(
        Caso{"digits", "1516", 1516}, Caso{"blank_inside", "15 16", 1516},
        Caso{"tabs_and_line_feeds_inside", "\t 7\n8", 78}, Caso{"leading_blanks", "   42", 42},
        Caso{"plus_sign", "+1516", 1516}, Caso{"minus_sign", "-12", -12},
        Caso{"blank_after_sign", "- 5", -5}, Caso{"leading_zeros", "0001516", 1516},
        Caso{"stops_at_slash", "1516/990", 1516}, Caso{"second_sign_stops", "15+16", 15},
        Caso{"slash_first", "/990", 0}, Caso{"empty", "", 0}, Caso{"only_blanks", "   ", 0},
        Caso{"lone_plus", "+", 0}, Caso{"lone_minus", "-", 0}, Caso{"lone_full_stop", ".", 0},
        Caso{"letters_first", "abc12", 0}, Caso{"stops_at_carriage_return", "12\r\n", 12},
        Caso{"full_stop_is_the_point", "1.5", 1.5}, Caso{"comma_is_not_the_point", "1,5", 1},
        Caso{"point_without_integer_part", "-.5", -0.5}, Caso{"second_point_stops", "1.2.3", 1.2},
        Caso{"exponent", "1e3", 1000}, Caso{"exponent_with_sign", "1E+2", 100},
        Caso{"negative_exponent", "5e-1", 0.5}, Caso{"blanks_in_exponent", "1 e 3", 1000},
        Caso{"exponent_without_digits", "2e", 2}, Caso{"exponent_sign_without_digits", "2e+x", 2},
        Caso{"underflow_is_zero", "1e-400", 0},
        Caso{"long_fraction_underflows_to_zero", "0." + std::string(400, '0') + "1", 0}),
    [](const testing::TestParamInfo<Caso> &info) { return std::string(info.param.nome); });

TEST(LeggiNumeroIniziale, OverflowSaturates)
{
    EXPECT_EQ(leggiNumeroIniziale("1e400"), HUGE_VAL);
    EXPECT_EQ(leggiNumeroIniziale("-" + std::string(400, '9')), -HUGE_VAL);
}

TEST(LeggiNumeroIniziale, StopsAtAnEmbeddedNul)
{
    const std::string conNul("12\0"
                             "34",
                             5);
    EXPECT_EQ(leggiNumeroIniziale(conNul), 12);
}

} // namespace
