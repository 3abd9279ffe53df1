#pragma once

// What the fuzz targets share: a check that holds in every build, a copy of
// a text with nothing after it, and a second way to read a number.

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

[[noreturn]] inline void invarianteRotta(const char *condizione, const char *file, int riga)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, riga, condizione);
    std::abort();
}

// Unlike assert, also in an optimised build.
#define VERIFICA(condizione)                                                                       \
    ((condizione) ? void(0) : invarianteRotta(#condizione, __FILE__, __LINE__))

// A text on the heap in exactly as many bytes as it has: one read past its
// end is a fault the address checker reports.
class CopiaEsatta
{
public:
    explicit CopiaEsatta(std::string_view testo)
        : byte_(new char[testo.size()]), testo_(byte_.get(), testo.size())
    {
        if (!testo.empty())
            std::memcpy(byte_.get(), testo.data(), testo.size());
    }
    std::string_view testo() const { return testo_; }

private:
    std::unique_ptr<char[]> byte_;
    std::string_view testo_;
};

// The number a text begins with, read another way than the game reads it:
// the blanks taken out first, then std::from_chars on what is left. Empty
// for a number beyond a double's range, where the two may round apart.
inline std::optional<double> letturaIndipendente(std::string_view testo)
{
    std::string s;
    for (char c : testo)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    const auto cifra = [&s](std::size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    std::size_t i = 0;
    const bool negativo = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+'))
        ++i;
    // from_chars also knows "inf" and "nan", which are no numbers here.
    if (!cifra(i) && !(i < s.size() && s[i] == '.' && cifra(i + 1)))
        return 0.0;
    double valore = 0;
    const auto letto = std::from_chars(s.data() + i, s.data() + s.size(), valore);
    if (letto.ec == std::errc::result_out_of_range)
        return std::nullopt;
    VERIFICA(letto.ec == std::errc());
    return negativo ? -valore : valore;
}

// Whether a reading the second way could not check is at least the right
// kind of number: an overflow or an underflow.
inline bool fuoriScala(double letto)
{
    return std::isinf(letto) || std::fabs(letto) < DBL_MIN;
}
