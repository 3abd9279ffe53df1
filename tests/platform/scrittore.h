#pragma once

#include <QString>

// The name saved with each score by the writer that test_interruzioni
// starts: read back beside a score, it tells whether both came from one save.
inline QString nomePer(qint64 punteggio, QChar giocatore)
{
    return QStringLiteral("Niccolò %1 n. %2").arg(giocatore).arg(punteggio);
}
