#include "valore.h"

#include <cmath>
#include <cstdio>

bool interoRappresentabile(double n)
{
    return std::isfinite(n) && n >= 0 && n < LimiteEsatto && std::floor(n) == n;
}

std::string testoIntero(double n)
{
    if (!interoRappresentabile(n))
        throw ErroreConversione("not a whole number the fraction rule can write");
    char buf[32];
    // -0 is the whole number 0, and is written without a sign.
    std::snprintf(buf, sizeof buf, "%.0f", n == 0 ? 0.0 : n);
    return buf;
}

bool Valore::vuoto() const
{
    if (mancante())
        return true;
    const auto *t = std::get_if<std::string>(&v_);
    return t && t->empty();
}

std::string Valore::cifre() const
{
    if (const auto *n = std::get_if<double>(&v_))
        return testoIntero(*n);
    if (const auto *t = std::get_if<std::string>(&v_)) {
        const bool soloCifre =
            !t->empty() && t->find_first_not_of("0123456789") == std::string::npos;
        if (!soloCifre)
            throw ErroreConversione("\"" + *t + "\" is not a whole number");
        if (t->size() > std::size_t(CifreEsatte))
            throw ErroreConversione("\"" + *t + "\" has too many digits");
        return *t;
    }
    throw ErroreConversione("no value");
}

double Valore::intero() const
{
    return std::stod(cifre());
}
