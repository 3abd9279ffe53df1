#pragma once

#include "archiviorecord.h"
#include "classe.h"
#include "registrogare.h"

#include <functional>

// Where each race starts and ends, for the record and the teacher's log:
// the record to show at the start, and at the end, however the race ends,
// one line in the class's log and, when the pupil leaves, the record saved.
// A class folder on a file server is only ever used off the window's
// thread, and given up when the server does not answer.
class Traguardo
{
public:
    // Shows a box through the window, which counts it as open.
    using Avvisa = std::function<int(const QString &testo, int stile)>;

    explicit Traguardo(Avvisa avvisa) : avvisa_(std::move(avvisa)) {}

    // A race starts: the data folder chosen afresh and the record to show,
    // empty when it cannot be had (the pupil is told why, a class folder's
    // refusal only once).
    Record partenza();
    const QString &percorsoDati() const { return cartella_.percorso; }

    // The race has ended: its line in the log, once, when it had answers.
    void arrivo(const Arrivo &arrivo);

    // The pupil leaves with punteggio: saved when it beats the record, and
    // the pupil told whether it was saved.
    void salva(const QString &punteggio, const QString &nome, const QString &recordMostrato);

private:
    Record leggiInClasse();
    void nonSalvato(const QString &punteggio, const QString &recordMostrato, const QString &motivo);

    Avvisa avvisa_;
    CartellaDati cartella_;
    // Why the class folder cannot be used, when it cannot.
    QString inutilizzabile_;
    bool avvisato_ = false;
    bool arrivato_ = false;
};
