// The whole part plus reduced fraction of any double, with any count of
// repeating digits and any separator: either an error form, or a result
// whose value is exactly that of the decimal text it was made from,
// checked with integers.

#include "comune.h"
#include "numerofrazione.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <numeric>

namespace {

bool soloCifre(std::string_view s)
{
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

std::int64_t valoreDi(std::string_view cifre)
{
    std::int64_t v = 0;
    for (char c : cifre)
        v = v * 10 + (c - '0');
    return v;
}

std::int64_t dieciAlla(std::size_t n)
{
    std::int64_t v = 1;
    while (n-- > 0)
        v *= 10;
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t quanti)
{
    FuzzedDataProvider flusso(dati, quanti);
    const auto bit = flusso.ConsumeIntegral<std::uint64_t>();
    const auto DigitateRt = flusso.ConsumeIntegral<std::int16_t>();
    const int separatore = flusso.ConsumeBool() ? flusso.ConsumeIntegral<int>() : ',';
    double x;
    std::memcpy(&x, &bit, sizeof x);

    const std::string risultato = Numeroafrazione(x, DigitateRt, separatore);

    // The decimal text it was made from, with its sign apart.
    std::string testo;
    try {
        testo = testoLocale(std::fabs(x), '.');
    } catch (const ErroreNumerico &) {
        VERIFICA(!std::isfinite(x) && risultato == "#Error 6");
        return 0;
    }
    const auto punto = testo.find('.');
    const std::string W = testo.substr(0, punto);
    const std::string d = punto == std::string::npos ? "" : testo.substr(punto + 1);
    VERIFICA(soloCifre(W) && (punto == std::string::npos || soloCifre(d)));

    // Too many decimals for a 32-bit fraction is the one failure left.
    if (d.size() > 9) {
        VERIFICA(risultato == "#Error 6");
        return 0;
    }

    // The sign goes in front of both parts: -1.25 -> "-1-1/4".
    const bool negativo = x < 0;
    std::string_view r = risultato;
    if (negativo) {
        VERIFICA(!r.empty() && r.front() == '-');
        r.remove_prefix(1);
    }
    if (d.empty()) {
        VERIFICA(r == W);
        return 0;
    }
    const char unione = negativo ? '-' : '+';
    const auto dove = r.find(unione);
    std::string_view interi = dove == std::string_view::npos ? "" : r.substr(0, dove);
    const std::string_view frazione = dove == std::string_view::npos ? r : r.substr(dove + 1);
    VERIFICA(dove != std::string_view::npos || negativo);
    VERIFICA(interi == (W == "0" ? "" : W));
    const auto barra = frazione.find('/');
    VERIFICA(barra != std::string_view::npos);
    const std::string_view sN = frazione.substr(0, barra);
    const std::string_view sD = frazione.substr(barra + 1);
    VERIFICA(soloCifre(sN) && soloCifre(sD) && sN.size() <= 10 && sD.size() <= 10);
    const std::int64_t N = valoreDi(sN);
    const std::int64_t D = valoreDi(sD);
    VERIFICA(N > 0 && D > 0 && std::gcd(N, D) == 1);

    // 0,d = d / 10^Ld; with the last r digits repeating, 0,a(p) =
    // (ap - a) / (10^Ld - 10^La).
    std::int64_t numeratore = valoreDi(d);
    std::int64_t denominatore = dieciAlla(d.size());
    if (DigitateRt > 0) {
        const std::size_t La = d.size() - std::min<std::size_t>(DigitateRt, d.size());
        numeratore -= valoreDi(d.substr(0, La));
        denominatore -= dieciAlla(La);
    }
    VERIFICA(N * denominatore == numeratore * D);
    return 0;
}
