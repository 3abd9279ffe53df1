// The fraction rule on any parts: text or number, whole or not, missing or
// not. It either gives exactly the fraction worked out here with wide
// integers, or throws one of its two errors and changes nothing.

#include "comune.h"
#include "decfraz.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <stdexcept>

namespace {

using Largo = unsigned __int128;

// Any double, NaN, infinities, -0 and subnormals included, or often a whole
// number about the range the rule works in.
double numero(FuzzedDataProvider &flusso)
{
    if (flusso.ConsumeBool())
        return double(flusso.ConsumeIntegralInRange<std::int64_t>(0, 2'000'000'000'000'000));
    const auto bit = flusso.ConsumeIntegral<std::uint64_t>();
    double n;
    std::memcpy(&n, &bit, sizeof n);
    return n;
}

// A part as drawn, kept beside the Valore made of it.
struct Parte
{
    enum Tipo { Mancante, Testo, Numero } tipo;
    std::string testo;
    double n = 0;

    static Parte estrai(FuzzedDataProvider &flusso)
    {
        Parte p{Tipo(flusso.ConsumeIntegralInRange(0, 2)), {}, 0};
        if (p.tipo == Testo)
            p.testo = flusso.ConsumeRandomLengthString(20);
        else if (p.tipo == Numero)
            p.n = numero(flusso);
        return p;
    }
    Valore valore() const
    {
        return tipo == Mancante ? Valore() : tipo == Testo ? Valore(testo) : Valore(n);
    }
    bool vuota() const { return tipo == Mancante || (tipo == Testo && testo.empty()); }

    // The digits of the whole number it stands for: a text of 1 to 15
    // digits as it is, a whole number below 10^15 in plain digits.
    std::optional<std::string> cifre() const
    {
        if (tipo == Testo && !testo.empty() && testo.size() <= 15 &&
            testo.find_first_not_of("0123456789") == std::string::npos)
            return testo;
        if (tipo == Numero)
            return cifreDi(n);
        return std::nullopt;
    }
    static std::optional<std::string> cifreDi(double n)
    {
        if (!(n >= 0 && n < 1e15 && std::floor(n) == n))
            return std::nullopt;
        return std::to_string(std::uint64_t(n));
    }
};

Largo valoreDi(const std::string &cifre)
{
    Largo v = 0;
    for (char c : cifre)
        v = v * 10 + Largo(c - '0');
    return v;
}

Largo dieciAlla(std::size_t n)
{
    Largo v = 1;
    while (n-- > 0)
        v *= 10;
    return v;
}

std::string testoDi(Largo v)
{
    std::string s;
    do {
        s.insert(s.begin(), char('0' + int(v % 10)));
        v /= 10;
    } while (v > 0);
    return s;
}

// How a part looks from outside, to tell whether a failure changed it.
std::string aspetto(const Valore &v)
{
    std::string a = v.mancante() ? "missing " : v.eTesto() ? "text " : "number ";
    try {
        return a + v.cifre();
    } catch (const ErroreConversione &) {
        return a + "-";
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t quanti)
{
    FuzzedDataProvider flusso(dati, quanti);
    const Parte pIntero = Parte::estrai(flusso);
    const Parte pAperiodo = Parte::estrai(flusso);
    const double periodo = numero(flusso);

    // The fraction by the rule: D = 10^(La+Lp) - 10^La (just 10^Lp - 1 with
    // no non-repeating part), N = I x D + (ap - a).
    const auto I = pIntero.cifre();
    const auto p = Parte::cifreDi(periodo);
    const auto a = pAperiodo.vuota() ? std::optional<std::string>("") : pAperiodo.cifre();
    enum { Fatto, Conversione, Troppo } atteso = Fatto;
    Largo N = 0, D = 0, nuovoIntero = 0;
    if (!I || !p || !a) {
        atteso = Conversione;
    } else if (a->size() + p->size() > 15) {
        atteso = Troppo;
    } else {
        D = a->empty() ? dieciAlla(p->size()) - 1
                       : dieciAlla(a->size() + p->size()) - dieciAlla(a->size());
        nuovoIntero = valoreDi(*I) * D;
        N = nuovoIntero + valoreDi(*a + *p) - valoreDi(*a);
        if (D >= dieciAlla(15) || N >= dieciAlla(15))
            atteso = Troppo;
    }

    Valore intero = pIntero.valore();
    Valore aperiodo = pAperiodo.valore();
    const std::string primaIntero = aspetto(intero);
    const std::string primaAperiodo = aspetto(aperiodo);
    std::string Numeratore = "invariato", Denominatore = "invariato";
    try {
        const std::string frazione = decfraz(intero, aperiodo, periodo, Numeratore, Denominatore);
        VERIFICA(atteso == Fatto);
        VERIFICA(Numeratore == testoDi(N) && Denominatore == testoDi(D));
        VERIFICA(frazione == Numeratore + "/" + Denominatore);
        VERIFICA(intero.eNumero() && intero.cifre() == testoDi(nuovoIntero));
        VERIFICA(!aperiodo.mancante());
        return 0;
    } catch (const ErroreConversione &) {
        VERIFICA(atteso == Conversione);
    } catch (const std::overflow_error &) {
        VERIFICA(atteso == Troppo);
    }
    VERIFICA(Numeratore == "invariato" && Denominatore == "invariato");
    VERIFICA(aspetto(intero) == primaIntero && aspetto(aperiodo) == primaAperiodo);
    return 0;
}
