#include "esercizio.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

// Hands out the given values in turn and notes where the reseeds fall.
class SorgenteTracciata : public SorgenteCasuale
{
public:
    explicit SorgenteTracciata(std::vector<float> valori) : valori_(std::move(valori)) {}
    float r() override
    {
        traccia += "r";
        return valori_.at(prossimo_++);
    }
    void riseme() override { traccia += "S"; }
    std::string traccia;

private:
    std::vector<float> valori_;
    size_t prossimo_ = 0;
};

TEST(Vicino, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Vicino(1.5f), 2);
    EXPECT_EQ(Vicino(2.5f), 2);
    EXPECT_EQ(Vicino(8.5f), 8);
    EXPECT_EQ(Vicino(1.49f), 1);
    EXPECT_EQ(Vicino(2.51f), 3);
}

TEST(EstraiEsercizio, PureDecimalReseedsBeforeIntegerAndPeriod)
{
    SorgenteTracciata s({0.25f, 0.4f, 0.5f});
    const Esercizio e = estraiEsercizio(s);
    EXPECT_EQ(s.traccia, "SrrSr");
    EXPECT_EQ(e.ParteIntera, 3);
    EXPECT_EQ(e.TipoPeriodico, 1);
    EXPECT_EQ(e.Antiperiodo, 0);
    EXPECT_EQ(e.Periodo, 10); // 0.5 * 19 + 1 = 10.5, which goes to the even 10
}

TEST(EstraiEsercizio, MixedDecimalDrawsItsNonRepeatingPart)
{
    SorgenteTracciata s({0.0f, 0.5f, 0.999f, 0.999f});
    const Esercizio e = estraiEsercizio(s);
    EXPECT_EQ(s.traccia, "SrrrSr");
    EXPECT_EQ(e.ParteIntera, 1);
    EXPECT_EQ(e.TipoPeriodico, 2);
    EXPECT_EQ(e.Antiperiodo, 11);
    EXPECT_EQ(e.Periodo, 20);
}

// Sweeps one draw over an even grid of r while the others stay fixed, and
// counts how often each value comes out.
std::map<int, int> frequenze(int campo, int passi)
{
    std::map<int, int> conta;
    for (int k = 0; k < passi; ++k) {
        const float r = static_cast<float>(k) / static_cast<float>(passi);
        std::array<float, 4> valori = {0.5f, 0.75f, 0.5f, 0.5f}; // mixed, so all four are drawn
        valori[campo] = r;
        SorgenteTracciata s({valori.begin(), valori.end()});
        const Esercizio e = estraiEsercizio(s);
        const std::array<int, 4> esito = {e.ParteIntera, e.TipoPeriodico, e.Antiperiodo, e.Periodo};
        ++conta[esito[campo]];
    }
    return conta;
}

TEST(EstraiEsercizio, EndPointsAreHalfAsLikelyAsTheRest)
{
    const int passi = 1 << 16;
    const double tolleranza = 2.0 / passi;

    const auto n = frequenze(0, passi);
    ASSERT_EQ(n.begin()->first, 1);
    ASSERT_EQ(n.rbegin()->first, 9);
    EXPECT_NEAR(n.at(1) / double(passi), 1.0 / 16, tolleranza);
    EXPECT_NEAR(n.at(9) / double(passi), 1.0 / 16, tolleranza);
    for (int v = 2; v <= 8; ++v)
        EXPECT_NEAR(n.at(v) / double(passi), 1.0 / 8, tolleranza) << v;

    const auto tipo = frequenze(1, passi);
    ASSERT_EQ(tipo.size(), 2u);
    EXPECT_EQ(tipo.at(1), passi / 2);
    EXPECT_EQ(tipo.at(2), passi / 2);

    const auto a = frequenze(2, passi);
    ASSERT_EQ(a.begin()->first, 1);
    ASSERT_EQ(a.rbegin()->first, 11);
    EXPECT_NEAR(a.at(1) / double(passi), 1.0 / 20, tolleranza);
    EXPECT_NEAR(a.at(11) / double(passi), 1.0 / 20, tolleranza);
    EXPECT_NEAR(a.at(6) / double(passi), 1.0 / 10, tolleranza);

    const auto p = frequenze(3, passi);
    ASSERT_EQ(p.begin()->first, 1);
    ASSERT_EQ(p.rbegin()->first, 20);
    EXPECT_NEAR(p.at(1) / double(passi), 1.0 / 38, tolleranza);
    EXPECT_NEAR(p.at(20) / double(passi), 1.0 / 38, tolleranza);
    EXPECT_NEAR(p.at(10) / double(passi), 1.0 / 19, tolleranza);
}

TEST(CasualeOrologio, StaysBelowOneAndDrawsStayInRange)
{
    CasualeOrologio casuale;
    for (int i = 0; i < 20000; ++i) {
        const Esercizio e = estraiEsercizio(casuale);
        ASSERT_GE(e.ParteIntera, 1);
        ASSERT_LE(e.ParteIntera, 9);
        ASSERT_TRUE(e.TipoPeriodico == 1 || e.TipoPeriodico == 2);
        if (e.TipoPeriodico == 1) {
            ASSERT_EQ(e.Antiperiodo, 0);
        } else {
            ASSERT_GE(e.Antiperiodo, 1);
            ASSERT_LE(e.Antiperiodo, 11);
        }
        ASSERT_GE(e.Periodo, 1);
        ASSERT_LE(e.Periodo, 20);
    }
}

TEST(Disegno, BarWidthAndBandColours)
{
    EXPECT_EQ(larghezzaBarra(9), 35);
    EXPECT_EQ(larghezzaBarra(10), 70);
    EXPECT_EQ(coloreBanda(3, 0, 0), (Rgb{60, 0, 0}));
    EXPECT_EQ(coloreBanda(9, 11, 255), (Rgb{180, 220, 255}));
    EXPECT_EQ(BandeSfumatura * AltezzaBanda, 512);
}

} // namespace
