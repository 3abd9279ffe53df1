#include "windows1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80-0x9F. The five bytes the code page leaves
// unassigned map to the C1 controls of the same number, as Windows does.
constexpr std::array<char32_t, 32> Alti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codiceDi(unsigned char b)
{
    return b >= 0x80 && b <= 0x9F ? Alti[b - 0x80] : char32_t(b);
}

int byteDi(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (std::size_t i = 0; i < Alti.size(); ++i)
        if (Alti[i] == c)
            return int(0x80 + i);
    return '?';
}

void aggiungiUtf8(std::string &s, char32_t c)
{
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}

// The next code point of UTF-8 text; a malformed sequence gives U+FFFD for
// its first byte, so nothing is ever read past the end.
char32_t prossimoUtf8(std::string_view t, std::size_t &i)
{
    const auto b0 = static_cast<unsigned char>(t[i++]);
    if (b0 < 0x80)
        return b0;
    int seguenti;
    char32_t c;
    if ((b0 & 0xE0) == 0xC0) {
        seguenti = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        seguenti = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        seguenti = 3;
        c = b0 & 0x07;
    } else {
        return 0xFFFD;
    }
    const std::size_t inizio = i;
    for (int k = 0; k < seguenti; ++k) {
        if (i >= t.size() || (static_cast<unsigned char>(t[i]) & 0xC0) != 0x80) {
            i = inizio;
            return 0xFFFD;
        }
        c = (c << 6) | (static_cast<unsigned char>(t[i++]) & 0x3F);
    }
    return c;
}

} // namespace

std::string daWindows1252(std::string_view byte)
{
    std::string testo;
    testo.reserve(byte.size());
    for (char b : byte)
        aggiungiUtf8(testo, codiceDi(static_cast<unsigned char>(b)));
    return testo;
}

std::string inWindows1252(std::string_view testoUtf8)
{
    std::string byte;
    byte.reserve(testoUtf8.size());
    for (std::size_t i = 0; i < testoUtf8.size();)
        byte += char(byteDi(prossimoUtf8(testoUtf8, i)));
    return byte;
}
