#include "numerofrazione.h"

#include "valore.h"

#include <charconv>
#include <cmath>
#include <limits>

ErroreNumerico::ErroreNumerico(int numero)
    : std::runtime_error("error " + std::to_string(numero)), numero_(numero)
{}

std::int32_t fattcom(std::int32_t x, std::int32_t Y)
{
    constexpr auto minimo = std::numeric_limits<std::int32_t>::min();
    if (x == minimo || Y == minimo)
        throw ErroreNumerico(ErroreNumerico::Overflow);
    std::int32_t a = x < 0 ? -x : x;
    std::int32_t b = Y < 0 ? -Y : Y;
    if (b == 0)
        throw ErroreNumerico(ErroreNumerico::DivisionePerZero);
    std::int32_t r = a % b;
    while (r > 0) {
        a = b;
        b = r;
        r = a % b;
    }
    return b;
}

std::int32_t interoA32(double numero)
{
    const double vicino = std::nearbyint(numero);
    if (!(vicino >= -2147483648.0 && vicino <= 2147483647.0))
        throw ErroreNumerico(ErroreNumerico::Overflow);
    return static_cast<std::int32_t>(vicino);
}

std::int32_t interoA32(std::string_view testo)
{
    const auto inizio = testo.find_first_not_of(' ');
    const auto fine = testo.find_last_not_of(' ');
    if (inizio == std::string_view::npos)
        throw ErroreNumerico(ErroreNumerico::NonUnNumero);
    std::string_view numero = testo.substr(inizio, fine - inizio + 1);
    if (!numero.empty() && numero.front() == '+')
        numero.remove_prefix(1);
    double valore = 0;
    const auto [resto, errore] =
        std::from_chars(numero.data(), numero.data() + numero.size(), valore);
    if (errore == std::errc::result_out_of_range)
        throw ErroreNumerico(ErroreNumerico::Overflow);
    if (errore != std::errc() || resto != numero.data() + numero.size())
        throw ErroreNumerico(ErroreNumerico::NonUnNumero);
    return interoA32(valore);
}

std::string testoLocale(double numero, char separatore)
{
    if (!std::isfinite(numero))
        throw ErroreNumerico(ErroreNumerico::Overflow);
    if (numero == 0)
        return "0";

    // The fewest significant digits, up to CifreEsatte, that read back as the number.
    char scientifico[64];
    int cifre = 1;
    char *fineScientifico = scientifico;
    for (; cifre <= CifreEsatte; ++cifre) {
        fineScientifico = std::to_chars(scientifico, scientifico + sizeof scientifico, numero,
                                        std::chars_format::scientific, cifre - 1)
                              .ptr;
        double riletto = 0;
        std::from_chars(scientifico, fineScientifico, riletto);
        if (riletto == numero)
            break;
    }
    if (cifre > CifreEsatte)
        cifre = CifreEsatte;
    const std::string_view s(scientifico, fineScientifico - scientifico);
    int esponente = 0;
    const auto e = s.find('e');
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+'), s.data() + s.size(), esponente);

    // The same digits without an exponent.
    std::string testo(std::size_t(std::abs(esponente)) + 64, '\0');
    const int decimali = std::max(0, cifre - 1 - esponente);
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), numero,
                                    std::chars_format::fixed, decimali)
                          .ptr;
    testo.resize(fine - testo.data());
    if (testo.find('.') != std::string::npos) {
        testo.erase(testo.find_last_not_of('0') + 1);
        if (testo.back() == '.')
            testo.pop_back();
    }
    const auto punto = testo.find('.');
    if (punto != std::string::npos)
        testo[punto] = separatore;
    return testo;
}

namespace {

std::string unoEZeri(std::size_t zeri)
{
    return "1" + std::string(zeri, '0');
}

std::string frazioneDi(double numero, int DigitateRt, char separatore)
{
    const std::string t = testoLocale(numero, separatore);
    auto posizione = t.find(separatore);
    if (posizione == std::string::npos)
        posizione = t.find('.');
    if (posizione == std::string::npos)
        return t;

    const std::string W = t.substr(0, posizione);
    const std::string d = t.substr(posizione + 1);

    std::int32_t Nd;
    std::int32_t Dd;
    if (DigitateRt <= 0) {
        Nd = interoA32(d);
        Dd = interoA32(unoEZeri(d.size()));
    } else {
        // 0,a(p): (ap - a) / (10^(La+Lp) - 10^La), the rule the game teaches.
        const std::size_t ripetute = std::min<std::size_t>(DigitateRt, d.size());
        const std::string a = d.substr(0, d.size() - ripetute);
        const std::int64_t tutte = interoA32(unoEZeri(d.size()));
        Nd = interoA32(double(std::int64_t(interoA32(d)) - (a.empty() ? 0 : interoA32(a))));
        Dd = interoA32(double(tutte - interoA32(unoEZeri(a.size()))));
    }
    const std::int32_t g = fattcom(Dd, Nd);
    const std::string N = testoLocale(double(Nd) / g, separatore);
    const std::string D = testoLocale(double(Dd) / g, separatore);
    return (W == "0" ? std::string() : W) + "+" + N + "/" + D;
}

} // namespace

std::string Numeroafrazione(double Valoredoppio, std::int16_t DigitateRt, int separatore)
{
    try {
        // A separator that could be part of a number cannot mark its decimals.
        if (separatore <= 0 || separatore > 255 || (separatore >= '0' && separatore <= '9') ||
            separatore == '-' || separatore == '+')
            separatore = '.';
        const char sep = static_cast<char>(separatore);
        if (Valoredoppio < 0) {
            std::string positivo = frazioneDi(-Valoredoppio, DigitateRt, sep);
            const auto piu = positivo.find('+');
            if (piu != std::string::npos)
                positivo[piu] = '-';
            return (positivo.front() == '-' ? "" : "-") + positivo;
        }
        return frazioneDi(Valoredoppio, DigitateRt, sep);
    } catch (const ErroreNumerico &errore) {
        return "#Error " + std::to_string(errore.numero());
    }
}
