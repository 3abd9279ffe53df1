// What the record files may hold: the score comparison on any two files,
// and the Windows-1252 conversions on any bytes, checked against glibc's
// own code page and UTF-8 decoder.

#include "comune.h"
#include "record.h"
#include "windows1252.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <clocale>
#include <cwchar>
#include <iconv.h>
#include <map>
#include <vector>

namespace {

// The code points of UTF-8 text as glibc decodes it; empty when the text
// is not well-formed UTF-8. glibc still takes the old five- and six-byte
// forms, which reach past U+10FFFF: those are refused here.
std::optional<std::vector<char32_t>> decodificaGlibc(std::string_view testo)
{
    std::vector<char32_t> codici;
    std::mbstate_t stato{};
    for (std::size_t i = 0; i < testo.size();) {
        wchar_t c = 0;
        const std::size_t n = std::mbrtowc(&c, testo.data() + i, testo.size() - i, &stato);
        if (n == std::size_t(-1) || n == std::size_t(-2) || char32_t(c) > 0x10FFFF)
            return std::nullopt;
        codici.push_back(char32_t(c));
        i += n == 0 ? 1 : n;
    }
    return codici;
}

// A byte's character by glibc's own Windows-1252 table, which leaves the
// five unassigned bytes out: those are the C1 controls of the same number.
char32_t codiceIconv(unsigned char b)
{
    const iconv_t conversione = iconv_open("UTF-32LE", "WINDOWS-1252");
    VERIFICA(conversione != iconv_t(-1));
    char ingresso = char(b);
    char32_t codice = b;
    char *da = &ingresso;
    char *a = reinterpret_cast<char *>(&codice);
    std::size_t restaDa = 1, restaA = sizeof codice;
    iconv(conversione, &da, &restaDa, &a, &restaA);
    iconv_close(conversione);
    return codice;
}

// Code point to byte, for every byte.
std::map<char32_t, char> tabella;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    VERIFICA(std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr);
    for (int b = 0; b < 256; ++b) {
        const auto codici = decodificaGlibc(daWindows1252(std::string(1, char(b))));
        VERIFICA(codici && codici->size() == 1 && (*codici)[0] == codiceIconv(b));
        VERIFICA(tabella.emplace((*codici)[0], char(b)).second);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t quanti)
{
    const CopiaEsatta tutto(std::string_view(reinterpret_cast<const char *>(dati), quanti));

    // Two score files: only a strictly higher leading number beats the other.
    FuzzedDataProvider flusso(dati, quanti);
    const CopiaEsatta memorizzato(flusso.ConsumeRandomLengthString(64));
    const CopiaEsatta attuale(flusso.ConsumeRemainingBytesAsString());
    const bool battuto = battutoIlRecord(memorizzato.testo(), attuale.testo());
    VERIFICA(!(battuto && battutoIlRecord(attuale.testo(), memorizzato.testo())));
    VERIFICA(!battutoIlRecord(memorizzato.testo(), memorizzato.testo()));
    const auto vecchio = letturaIndipendente(memorizzato.testo());
    const auto nuovo = letturaIndipendente(attuale.testo());
    if (vecchio && nuovo)
        VERIFICA(battuto == (*nuovo > *vecchio));

    // Any bytes as a file: well-formed UTF-8, a character a byte, and the
    // same bytes once written back.
    const std::string testo = daWindows1252(tutto.testo());
    const auto codici = decodificaGlibc(testo);
    VERIFICA(codici && codici->size() == quanti);
    VERIFICA(inWindows1252(testo) == tutto.testo());

    // Any bytes as UTF-8 to store: never longer, and well-formed text gets a
    // byte for each character, "?" where the code page has none.
    const std::string byte = inWindows1252(tutto.testo());
    VERIFICA(byte.size() <= quanti);
    if (const auto caratteri = decodificaGlibc(tutto.testo())) {
        std::string atteso;
        for (char32_t c : *caratteri) {
            const auto trovato = tabella.find(c);
            atteso += trovato == tabella.end() ? '?' : trovato->second;
        }
        VERIFICA(byte == atteso);
    }
    return 0;
}
