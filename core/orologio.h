#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The race's countdown. The hours, minutes and seconds on show and the
// seconds left run as two counters side by side; the time is up when the
// seconds left reach zero.
struct Orologio
{
    std::int16_t Ore = 0;
    std::int16_t Minuti = 0;
    float Secondi = 0;
    std::int16_t TempoRestante = 0;

    static constexpr std::int16_t DurataGara = 900; // fifteen minutes

    // Back to fifteen minutes.
    void azzera();

    // One second less. When the seconds are at 0 a minute is borrowed (or
    // an hour, when the minutes are at 0 too), and the borrowed 60 loses
    // its second at once: 00:15:00 is followed by 00:14:59.
    void unSecondoInMeno();

    // "00:14:59": each field with at least two digits.
    std::string testo() const;
};

// A whole number with at least two digits: 7 -> "07", 15 -> "15".
std::string dueCifre(double n);

// The medium time of day of a date-time given in days, on a 12-hour clock
// with the designator after it ("06:00 PM" for 0.75). A whole number of days
// is always midnight: "12:00 AM".
std::string oraMedia(double giorni, std::string_view am, std::string_view pm);
