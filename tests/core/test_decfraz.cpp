#include "decfraz.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace {

struct Caso
{
    const char *nome;
    Valore intero;
    Valore aperiodo;
    double periodo;
    const char *frazione;
    double interoDopo;
};

// A failure message shows each case, not its bytes.
void PrintTo(const Caso &c, std::ostream *os)
{
    *os << c.nome;
}

class DecfrazCasi : public testing::TestWithParam<Caso>
{
};

TEST_P(DecfrazCasi, UnsimplifiedFractionAndIntegerTimesDenominator)
{
    Caso c = GetParam();
    std::string n = "vecchio", d = "vecchio";
    EXPECT_EQ(decfraz(c.intero, c.aperiodo, c.periodo, n, d), c.frazione);
    EXPECT_EQ(n + "/" + d, c.frazione);
    ASSERT_TRUE(c.intero.eNumero());
    EXPECT_EQ(c.intero.intero(), c.interoDopo);
}

INSTANTIATE_TEST_SUITE_P(
    Decfraz, DecfrazCasi,
    testing::Values(Caso{"help_example", "1", "5", 31, "1516/990", 990},
                    Caso{"pure", "1", "", 31, "130/99", 99},
                    Caso{"pure_one_digit", "3", "", 7, "34/9", 27},
                    Caso{"two_digit_parts", "2", "11", 20, "20909/9900", 19800},
                    Caso{"largest_drawn", "9", "11", 20, "90209/9900", 89100},
                    Caso{"not_simplified", "1", "", 33, "132/99", 99},
                    Caso{"period_ending_in_zero", "1", "", 10, "109/99", 99},
                    Caso{"zero", "0", "", 0, "0/9", 0},
                    Caso{"missing_non_repeating_part", "3", Valore(), 7, "34/9", 27},
                    Caso{"integer_given_as_number", 3.0, "", 7, "34/9", 27},
                    Caso{"non_repeating_part_as_number", "1", 5.0, 31, "1516/990", 990},
                    Caso{"leading_zero_kept_as_typed", "0", "05", 3, "48/900", 0}),
    [](const testing::TestParamInfo<Caso> &info) { return std::string(info.param.nome); });

TEST(Decfraz, MissingNonRepeatingPartBecomesTheEmptyText)
{
    Valore intero("1"), aperiodo;
    std::string n, d;
    decfraz(intero, aperiodo, 31, n, d);
    EXPECT_TRUE(aperiodo.eTesto());
    EXPECT_TRUE(aperiodo.vuoto());
}

TEST(Decfraz, SecondCallWithTheSameIntegerUsesTheMultipliedValue)
{
    Valore intero("1"), aperiodo("");
    std::string n, d;
    EXPECT_EQ(decfraz(intero, aperiodo, 31, n, d), "130/99");
    EXPECT_EQ(decfraz(intero, aperiodo, 31, n, d), "9832/99");
}

// Every exercise the game can draw: the fraction must equal the decimal it
// came from, written out with its period repeated.
TEST(Decfraz, EveryDrawableExerciseEqualsItsDecimal)
{
    for (int i = 1; i <= 9; ++i) {
        for (int a = 0; a <= 11; ++a) {
            for (int p = 1; p <= 20; ++p) {
                std::string testoDecimale = std::to_string(i) + ".";
                if (a > 0)
                    testoDecimale += std::to_string(a);
                while (testoDecimale.size() < 30)
                    testoDecimale += std::to_string(p);
                Valore intero(std::to_string(i));
                Valore aperiodo(a > 0 ? std::to_string(a) : std::string());
                std::string n, d;
                decfraz(intero, aperiodo, p, n, d);
                EXPECT_NEAR(std::stod(n) / std::stod(d), std::stod(testoDecimale), 1e-12)
                    << testoDecimale << " gave " << n << "/" << d;
                EXPECT_LE(n.size(), 6u) << "must fit the six-character answer box";
            }
        }
    }
}

struct CasoErrato
{
    const char *nome;
    Valore intero;
    Valore aperiodo;
    double periodo;
};

void PrintTo(const CasoErrato &c, std::ostream *os)
{
    *os << c.nome;
}

class DecfrazErrori : public testing::TestWithParam<CasoErrato>
{
};

TEST_P(DecfrazErrori, FailsAndChangesNothing)
{
    CasoErrato c = GetParam();
    std::string n = "1516", d = "990";
    const Valore prima = c.intero;
    EXPECT_ANY_THROW(decfraz(c.intero, c.aperiodo, c.periodo, n, d));
    EXPECT_EQ(n, "1516");
    EXPECT_EQ(d, "990");
    EXPECT_EQ(c.intero.eTesto(), prima.eTesto());
    EXPECT_EQ(c.intero.mancante(), prima.mancante());
}

INSTANTIATE_TEST_SUITE_P(Decfraz, DecfrazErrori,
                         testing::Values(CasoErrato{"empty_integer", "", "", 7},
                                         CasoErrato{"missing_integer", Valore(), "", 7},
                                         CasoErrato{"integer_not_a_number", "abc", "", 7},
                                         CasoErrato{"integer_with_decimals", "1.5", "", 7},
                                         CasoErrato{"negative_integer", -1.0, "", 7},
                                         CasoErrato{"non_repeating_not_a_number", "1", "x", 7},
                                         CasoErrato{"fractional_period", "1", "", 2.5},
                                         CasoErrato{"negative_period", "1", "", -3},
                                         CasoErrato{"too_many_digits", "1", "12345678", 123456789}),
                         [](const testing::TestParamInfo<CasoErrato> &info) {
                             return std::string(info.param.nome);
                         });

TEST(TestoIntero, PlainDigits)
{
    EXPECT_EQ(testoIntero(0), "0");
    EXPECT_EQ(testoIntero(90209), "90209");
    EXPECT_EQ(testoIntero(999999999999999.0), "999999999999999");
    EXPECT_THROW(testoIntero(1e15), ErroreConversione);
    EXPECT_THROW(testoIntero(NAN), ErroreConversione);
}

} // namespace
