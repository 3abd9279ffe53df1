#pragma once

#include <cstdint>
#include <random>

// Where the draws come from: a uniform single-precision r with 0 <= r < 1,
// and a way to seed it afresh from the clock.
class SorgenteCasuale
{
public:
    virtual ~SorgenteCasuale() = default;
    virtual float r() = 0;
    virtual void riseme() = 0;
};

// The game's own source: a Mersenne Twister seeded from the system clock.
class CasualeOrologio : public SorgenteCasuale
{
public:
    CasualeOrologio();
    float r() override;
    void riseme() override;

private:
    std::mt19937 motore_;
};

// The integer nearest to x, a value exactly halfway going to the even one
// (1.5 -> 2, 2.5 -> 2, 8.5 -> 8).
int Vicino(float x);

// One repeating decimal as drawn: integer part 1..9, kind 1 (pure) or 2
// (with a non-repeating part 1..11; 0 when there is none), period 1..20.
struct Esercizio
{
    int ParteIntera = 0;
    int TipoPeriodico = 0;
    int Antiperiodo = 0;
    int Periodo = 0;
};

// Draws an exercise, reseeding the source before the integer part and again
// before the period.
Esercizio estraiEsercizio(SorgenteCasuale &casuale);

// Width in pixels of the bar over the period: wider for a two-digit period.
int larghezzaBarra(int periodo);

// The background behind the controls: 256 horizontal bands, each
// AltezzaBanda pixels high, band i in the colour (20n, 20a, i).
constexpr int BandeSfumatura = 256;
constexpr int AltezzaBanda = 2;

struct Rgb
{
    int rosso = 0;
    int verde = 0;
    int blu = 0;
    friend bool operator==(const Rgb &x, const Rgb &y)
    {
        return x.rosso == y.rosso && x.verde == y.verde && x.blu == y.blu;
    }
};

Rgb coloreBanda(int parteIntera, int antiperiodo, int banda);
