#pragma once

#include "finti.h"
#include "sistema.h"

#include <QTemporaryDir>

// What the game's window needs around it in process: dialogs that answer at
// once from nobody, a launcher and an ending that only count, and a data
// folder of its own, so a benchmark never touches the user's record.
struct Banco
{
    Banco() { qputenv("XDG_DATA_HOME", dati.path().toLocal8Bit()); }
    Servizi servizi() { return Servizi{dialoghi, avviatore, uscita, campanello}; }

    QTemporaryDir dati;
    DialoghiFinti dialoghi;
    AvviatoreFinto avviatore;
    UscitaFinta uscita{dialoghi};
    CampanelloFinto campanello;
};
