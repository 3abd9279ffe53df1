#include "orologio.h"

#include <cmath>
#include <cstdio>

void Orologio::azzera()
{
    Ore = 0;
    Minuti = 15;
    Secondi = 0;
    TempoRestante = DurataGara;
}

void Orologio::unSecondoInMeno()
{
    if (Secondi == 0) {
        if (Minuti > 0) {
            Secondi = 60;
            --Minuti;
        } else if (Minuti == 0) {
            if (Ore >= 1) {
                Minuti = 59;
                --Ore;
                Secondi = 60;
            } else {
                Ore = 0;
                Minuti = 0;
            }
        }
    }
    Secondi -= 1;
    --TempoRestante;
}

std::string dueCifre(double n)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02.0f", std::nearbyint(n));
    return buf;
}

std::string Orologio::testo() const
{
    return dueCifre(Ore) + ":" + dueCifre(Minuti) + ":" + dueCifre(Secondi);
}

std::string oraMedia(double giorni, std::string_view am, std::string_view pm)
{
    const double parte = giorni - std::floor(giorni);
    const long minutiDelGiorno = std::lround(parte * 24 * 60) % (24 * 60);
    const long ore24 = minutiDelGiorno / 60;
    const long ore12 = ore24 % 12 == 0 ? 12 : ore24 % 12;
    std::string testo = dueCifre(double(ore12)) + ":" + dueCifre(double(minutiDelGiorno % 60));
    const std::string_view designatore = ore24 < 12 ? am : pm;
    if (!designatore.empty()) {
        testo += ' ';
        testo += designatore;
    }
    return testo;
}
