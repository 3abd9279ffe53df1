// The leading-number reader on any text: it never reads past the text, and
// finds the number that another reader finds.

#include "comune.h"
#include "lettura.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t quanti)
{
    const CopiaEsatta copia(std::string_view(reinterpret_cast<const char *>(dati), quanti));
    const double letto = leggiNumeroIniziale(copia.testo());
    VERIFICA(!std::isnan(letto));
    if (const auto atteso = letturaIndipendente(copia.testo()))
        VERIFICA(letto == *atteso && std::signbit(letto) == std::signbit(*atteso));
    else
        VERIFICA(fuoriScala(letto));
    return 0;
}
