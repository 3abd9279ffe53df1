#include "esercizio.h"

#include <chrono>
#include <cmath>

CasualeOrologio::CasualeOrologio()
{
    riseme();
}

float CasualeOrologio::r()
{
    // The top 24 bits scaled by 2^-24: every value exact in a float and
    // never 1, which a float uniform_real_distribution cannot promise.
    return static_cast<float>(motore_() >> 8) * (1.0f / 16777216.0f);
}

void CasualeOrologio::riseme()
{
    const auto adesso = std::chrono::system_clock::now().time_since_epoch();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(adesso).count();
    std::seed_seq seme{static_cast<std::uint32_t>(ns), static_cast<std::uint32_t>(ns >> 32)};
    motore_.seed(seme);
}

int Vicino(float x)
{
    // nearbyint follows the rounding mode, which is to-nearest-even unless
    // someone changed it; the game never does.
    return static_cast<int>(std::nearbyint(x));
}

Esercizio estraiEsercizio(SorgenteCasuale &casuale)
{
    Esercizio e;
    casuale.riseme();
    e.ParteIntera = Vicino(casuale.r() * 8.0f + 1.0f);
    e.TipoPeriodico = static_cast<int>(std::floor(casuale.r() * 2.0f)) + 1;
    if (e.TipoPeriodico >= 2)
        e.Antiperiodo = Vicino(casuale.r() * 10.0f + 1.0f);
    casuale.riseme();
    e.Periodo = Vicino(casuale.r() * 19.0f + 1.0f);
    return e;
}

int larghezzaBarra(int periodo)
{
    return periodo > 9 ? 70 : 35;
}

Rgb coloreBanda(int parteIntera, int antiperiodo, int banda)
{
    return {20 * parteIntera, 20 * antiperiodo, banda};
}
