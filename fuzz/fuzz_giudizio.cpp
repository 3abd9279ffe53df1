// The answer-judging rule on any four box texts: a fraction is right
// exactly when both numbers match by another reading.

#include "comune.h"
#include "giudizio.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t quanti)
{
    FuzzedDataProvider flusso(dati, quanti);
    const CopiaEsatta n(flusso.ConsumeRandomLengthString(64));
    const CopiaEsatta d(flusso.ConsumeRandomLengthString(64));
    const CopiaEsatta N(flusso.ConsumeRandomLengthString(64));
    const CopiaEsatta D(flusso.ConsumeRemainingBytesAsString());

    const bool esatta = rispostaEsatta(n.testo(), d.testo(), N.testo(), D.testo());
    const auto ln = letturaIndipendente(n.testo());
    const auto ld = letturaIndipendente(d.testo());
    const auto lN = letturaIndipendente(N.testo());
    const auto lD = letturaIndipendente(D.testo());
    if (ln && ld && lN && lD)
        VERIFICA(esatta == (*ln == *lN && *ld == *lD));
    // The expected fraction typed as shown is right, and it does not matter
    // which side is the expected one.
    VERIFICA(rispostaEsatta(N.testo(), D.testo(), N.testo(), D.testo()));
    VERIFICA(esatta == rispostaEsatta(N.testo(), D.testo(), n.testo(), d.testo()));
    return 0;
}
