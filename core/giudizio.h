#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Whether the typed fraction is the expected one: each box is read as a
// number and compared with its own expected number. A leading zero or a
// blank inside does not matter; a simplified or swapped fraction is wrong.
bool rispostaEsatta(std::string_view numeratore, std::string_view denominatore,
                    std::string_view Numeratore, std::string_view Denominatore);

// The verdict shown to the pupil: "Esatto!! ", or "Sbagliato!! " with the
// expected fraction.
std::string messaggioEsito(bool esatta, std::string_view Numeratore, std::string_view Denominatore);

// A count as the counters show it: plain digits, "0" for zero.
std::string testoConteggio(int conteggio);

// The answers counted in one race. Counting stops once 32767 answers have
// been judged, so no counter ever goes past what a 16-bit count holds.
class Conteggi
{
public:
    static constexpr int Massimo = 32767;

    void conta(bool esatta);
    void azzera() { *this = Conteggi(); }

    std::int16_t RisposteEsatte() const { return esatte_; }
    std::int16_t RisposteErrate() const { return errate_; }
    int totale() const { return esatte_ + errate_; }

private:
    std::int16_t esatte_ = 0;
    std::int16_t errate_ = 0;
};

// The keys an answer box takes without ending the answer: "/", "+", the
// digits, space and Backspace (8). Any other character key ends it.
bool tastoAccettato(int codice);
