#pragma once

#include <stdexcept>
#include <string>
#include <variant>

// A value that holds a text, a number, or nothing yet. The exercise keeps its
// integer and non-repeating parts in these, as they come from the labels, and
// the fraction rule may turn a text into a number in place.
class Valore
{
public:
    Valore() = default;
    Valore(std::string testo) : v_(std::move(testo)) {}
    Valore(const char *testo) : v_(std::string(testo)) {}
    Valore(double numero) : v_(numero) {}

    bool mancante() const { return std::holds_alternative<std::monostate>(v_); }
    bool eTesto() const { return std::holds_alternative<std::string>(v_); }
    bool eNumero() const { return std::holds_alternative<double>(v_); }

    // A missing value and the empty text both count as the empty text.
    bool vuoto() const;

    // The digits of the whole number this value stands for: the text as held
    // (so "05" keeps its zero) or the plain digits of the number. Throws
    // ErroreConversione when the value is not a non-negative whole number.
    std::string cifre() const;

    // The whole number this value stands for; throws like cifre().
    double intero() const;

private:
    std::variant<std::monostate, std::string, double> v_;
};

// A part that cannot be read as a non-negative whole number.
class ErroreConversione : public std::invalid_argument
{
public:
    using std::invalid_argument::invalid_argument;
};

// Fifteen decimal digits are the most a double holds exactly, whatever
// they are: the longest number the game reads, writes or works out.
constexpr int CifreEsatte = 15;

constexpr double dieciAlla(int esponente)
{
    return esponente == 0 ? 1.0 : 10.0 * dieciAlla(esponente - 1);
}

// Exact whole numbers in a double stop short of this; beyond it the rule's
// arithmetic would no longer be exact.
constexpr double LimiteEsatto = dieciAlla(CifreEsatte);

// Plain decimal digits of a non-negative whole number below LimiteEsatto:
// no sign, blank, grouping or leading zero ("0" for zero).
std::string testoIntero(double n);

// Whether n is a whole number in [0, LimiteEsatto).
bool interoRappresentabile(double n);
