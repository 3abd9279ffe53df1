#include "decfraz.h"

#include <cmath>
#include <stdexcept>

std::string decfraz(Valore &intero, Valore &aperiodo, double periodo, std::string &Numeratore,
                    std::string &Denominatore)
{
    const double I = intero.intero();
    const std::string p = testoIntero(periodo);

    // Nines for the period's digits, then zeros for the non-repeating ones:
    // D = 10^(La+Lp) - 10^La, and the numerator of the decimal part is
    // (non-repeating digits followed by the period) minus the non-repeating digits.
    double D;
    double M;
    if (aperiodo.vuoto()) {
        D = std::pow(10.0, static_cast<double>(p.size())) - 1;
        M = periodo;
    } else {
        const std::string a = aperiodo.cifre();
        const std::string s = a + p;
        if (s.size() > std::size_t(CifreEsatte))
            throw std::overflow_error("non-repeating part and period have too many digits");
        D = std::pow(10.0, static_cast<double>(s.size())) -
            std::pow(10.0, static_cast<double>(a.size()));
        M = std::stod(s) - std::stod(a);
    }

    const double nuovoIntero = I * D;
    const double N = nuovoIntero + M;
    if (!interoRappresentabile(D) || !interoRappresentabile(N))
        throw std::overflow_error("the fraction is too large to be exact");

    Numeratore = testoIntero(N);
    Denominatore = testoIntero(D);
    intero = Valore(nuovoIntero);
    if (aperiodo.mancante())
        aperiodo = Valore(std::string());
    return Numeratore + "/" + Denominatore;
}
