#include "lettura.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool spazio(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool cifra(char c)
{
    return c >= '0' && c <= '9';
}

// Walks the text, passing over blanks wherever they fall.
class Lettore
{
public:
    explicit Lettore(std::string_view t) : t_(t) {}

    bool fine()
    {
        while (i_ < t_.size() && spazio(t_[i_]))
            ++i_;
        return i_ >= t_.size();
    }
    char guarda() { return fine() ? '\0' : t_[i_]; }
    void avanza() { ++i_; }

private:
    std::string_view t_;
    size_t i_ = 0;
};

} // namespace

double leggiNumeroIniziale(std::string_view testo)
{
    Lettore l(testo);

    std::string numero;
    if (l.guarda() == '+' || l.guarda() == '-') {
        if (l.guarda() == '-')
            numero += '-';
        l.avanza();
    }

    bool qualcheCifra = false;
    bool punto = false;
    for (char c = l.guarda(); cifra(c) || (c == '.' && !punto); c = l.guarda()) {
        qualcheCifra = qualcheCifra || cifra(c);
        punto = punto || c == '.';
        numero += c;
        l.avanza();
    }
    if (!qualcheCifra)
        return 0;

    // An exponent counts only with at least one digit; "2e" reads 2.
    if (l.guarda() == 'e' || l.guarda() == 'E') {
        std::string esponente = "e";
        l.avanza();
        if (l.guarda() == '+' || l.guarda() == '-') {
            esponente += l.guarda();
            l.avanza();
        }
        bool cifreEsponente = false;
        for (char c = l.guarda(); cifra(c); c = l.guarda()) {
            esponente += c;
            cifreEsponente = true;
            l.avanza();
        }
        if (cifreEsponente)
            numero += esponente;
    }

    // What is left is a plain C number; read it in the C locale, whatever
    // the user's, so the full stop stays the decimal point. Overflow gives
    // infinity and underflow zero.
    static const locale_t localeC = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(numero.c_str(), nullptr, localeC);
}
