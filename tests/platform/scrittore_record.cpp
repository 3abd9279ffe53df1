// A game that does nothing but save records, for test_interruzioni.
//
//   scrittore_record senza-fine CARTELLA PRIMO
//     saves PRIMO, PRIMO+1, ... as player A until it is killed;
//   scrittore_record gara CARTELLA SEME QUANTI GIOCATORE
//     waits for a line on its input, then saves QUANTI scores that climb
//     by random steps, printing "score 1" for each one saved and "score 0"
//     for each one that was not higher than the record.
//   scrittore_record classe CARTELLA SEME QUANTI GIOCATORE
//     the same in a class folder, each save with its race's line in the
//     teacher's log, as a pupil leaving the game does; each of these races
//     waits for a line of its own, so that pupils leave together each time.
//
// Either way it prints "pronto" once it is up.

#include "archiviorecord.h"
#include "registrogare.h"
#include "scrittore.h"

#include <QSysInfo>

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <random>
#include <string>

namespace {

bool salva(const ArchivioRecord &archivio, qint64 punteggio, QChar giocatore)
{
    return archivio.salvaSeBattuto(QString::number(punteggio), nomePer(punteggio, giocatore));
}

void senzaFine(const ArchivioRecord &archivio, qint64 primo)
{
    for (qint64 punteggio = primo;; ++punteggio)
        salva(archivio, punteggio, 'A');
}

void gara(const ArchivioRecord &archivio, unsigned seme, int quanti, QChar giocatore, bool registra)
{
    std::string via;
    std::getline(std::cin, via);
    std::mt19937 caso(seme);
    std::uniform_int_distribution<int> passo(0, 20);
    qint64 punteggio = 0;
    for (int i = 0; i < quanti; ++i) {
        if (registra && i > 0)
            std::getline(std::cin, via);
        punteggio += passo(caso);
        if (registra && !aggiungiAlRegistro(
                            archivio,
                            {QDateTime::currentDateTime(), QSysInfo::machineHostName(),
                             nomePer(punteggio, giocatore), int(punteggio), i, int(punteggio) + i},
                            AttesaLucchetto))
            throw ErroreRecord{QStringLiteral("registro non scritto")};
        std::printf("%lld %d\n", static_cast<long long>(punteggio),
                    salva(archivio, punteggio, giocatore) ? 1 : 0);
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    const bool infinito = argomenti.size() == 4 && argomenti[1] == "senza-fine";
    const bool inClasse = argomenti.size() == 6 && argomenti[1] == "classe";
    const bool inGara = (argomenti.size() == 6 && argomenti[1] == "gara") || inClasse;
    if (!infinito && !inGara) {
        std::fprintf(stderr, "uso: scrittore_record senza-fine CARTELLA PRIMO\n"
                             "     scrittore_record gara|classe CARTELLA SEME QUANTI GIOCATORE\n");
        return 2;
    }
    const ArchivioRecord archivio(argomenti[2], inClasse);
    std::printf("pronto\n");
    std::fflush(stdout);
    try {
        if (infinito)
            senzaFine(archivio, argomenti[3].toLongLong());
        else
            gara(archivio, argomenti[3].toUInt(), argomenti[4].toInt(), argomenti[5].at(0),
                 inClasse);
    } catch (const ErroreRecord &errore) {
        std::fprintf(stderr, "%s\n", qPrintable(errore.messaggio));
        return 1;
    }
    return 0;
}
