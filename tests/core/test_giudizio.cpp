#include "giudizio.h"

#include <gtest/gtest.h>

namespace {

struct Risposta
{
    const char *nome;
    const char *numeratore;
    const char *denominatore;
    bool esatta;
};

// A failure message shows each case and its answer, not its bytes.
void PrintTo(const Risposta &r, std::ostream *os)
{
    *os << r.nome << ": " << r.numeratore << " over " << r.denominatore;
}

class Giudizio : public testing::TestWithParam<Risposta>
{
};

TEST_P(Giudizio, ComparesEachBoxWithItsOwnNumber)
{
    const Risposta &r = GetParam();
    EXPECT_EQ(rispostaEsatta(r.numeratore, r.denominatore, "1516", "990"), r.esatta);
}

INSTANTIATE_TEST_SUITE_P(
    RispostaEsatta, Giudizio,
    testing::Values(Risposta{"exact", "1516", "990", true},
                    Risposta{"leading_zero", "01516", "0990", true},
                    Risposta{"blank_inside", "15 16", "9 90", true},
                    Risposta{"plus_sign", "+1516", "990", true},
                    Risposta{"slash_typed_in_numerator", "1516/9", "990", true},
                    Risposta{"simplified_is_wrong", "758", "495", false},
                    Risposta{"swapped_is_wrong", "990", "1516", false},
                    Risposta{"denominator_wrong", "1516", "99", false},
                    Risposta{"numerator_wrong", "1515", "990", false},
                    Risposta{"one_over_one", "1", "1", false}),
    [](const testing::TestParamInfo<Risposta> &info) { return std::string(info.param.nome); });

TEST(MessaggioEsito, VerdictTexts)
{
    EXPECT_EQ(messaggioEsito(true, "1516", "990"), "Esatto!! ");
    EXPECT_EQ(messaggioEsito(false, "1516", "990"), "Sbagliato!! 1516 / 990");
}

TEST(TastoAccettato, OnlyDigitsSlashPlusSpaceAndBackspace)
{
    for (int c : std::initializer_list<int>{'/', '+', ' ', 8, '0', '5', '9'})
        EXPECT_TRUE(tastoAccettato(c)) << c;
    for (int c :
         std::initializer_list<int>{13, 27, 'a', 'Z', ',', '.', '-', '*', 127, 0, 1, 22, 0xE8})
        EXPECT_FALSE(tastoAccettato(c)) << c;
}

TEST(Conteggi, CountRightWrongAndAll)
{
    Conteggi c;
    c.conta(true);
    c.conta(false);
    c.conta(false);
    EXPECT_EQ(c.RisposteEsatte(), 1);
    EXPECT_EQ(c.RisposteErrate(), 2);
    EXPECT_EQ(c.totale(), 3);
    EXPECT_EQ(testoConteggio(c.totale()), "3");
    EXPECT_EQ(testoConteggio(0), "0");
    c.azzera();
    EXPECT_EQ(c.totale(), 0);
}

TEST(Conteggi, StopAtTheLargestSixteenBitCount)
{
    Conteggi c;
    for (int i = 0; i < Conteggi::Massimo - 1; ++i)
        c.conta(i % 2 == 0);
    c.conta(true);
    EXPECT_EQ(c.totale(), 32767);
    const auto esatte = c.RisposteEsatte();
    const auto errate = c.RisposteErrate();
    for (int i = 0; i < 5; ++i) {
        c.conta(true);
        c.conta(false);
    }
    EXPECT_EQ(c.RisposteEsatte(), esatte);
    EXPECT_EQ(c.RisposteErrate(), errate);
    EXPECT_EQ(c.totale(), 32767);
    EXPECT_EQ(testoConteggio(c.totale()), "32767");
}

} // namespace
