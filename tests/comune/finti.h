#pragma once

// Stand-ins for the desktop, for tests: dialogs that answer from a script
// and remember what they showed, a launcher that finds only what it is told
// and remembers what it started, and an ending that only counts.

#include "dialoghi.h"
#include "sistema.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

#include <functional>

struct FinestraMostrata
{
    QString testo;
    int stile = 0;
    QString titolo; // as shown: the program's title when none was given
    bool domandaDiTesto = false;
};

class DialoghiFinti : public Dialoghi
{
public:
    QList<FinestraMostrata> mostrate;
    // Answers to message boxes, in order; once they run out a Yes/No box
    // answers No and any other box OK.
    QList<int> risposte;
    // Answers to input boxes, in order; the empty text once they run out.
    QStringList testi;
    // Runs while each box is "open", as a nested event loop would let
    // other events run.
    std::function<void(const FinestraMostrata &)> mentreAperta;

    int MsgBox(const QString &testo, int stile, const QString &titolo) override
    {
        mostra({testo, stile, titoloDa(titolo), false});
        if (!risposte.isEmpty())
            return risposte.takeFirst();
        return rispostaSenzaSi(stile);
    }

    QString InputBox(const QString &domanda, const QString &titolo) override
    {
        mostra({domanda, 0, titoloDa(titolo), true});
        return testi.isEmpty() ? QString() : testi.takeFirst();
    }

    QStringList testiMostrati() const
    {
        QStringList t;
        for (const auto &f : mostrate)
            t << f.testo;
        return t;
    }

private:
    void mostra(const FinestraMostrata &finestra)
    {
        mostrate << finestra;
        if (mentreAperta)
            mentreAperta(finestra);
    }
};

class AvviatoreFinto : public Avviatore
{
public:
    QMap<QString, QString> installati; // program -> full path
    bool riesce = true;
    QList<QPair<QString, QStringList>> avviati;

    QString trova(const QString &programma) const override { return installati.value(programma); }
    bool avviaStaccato(const QString &percorso, const QStringList &argomenti) override
    {
        avviati << qMakePair(percorso, argomenti);
        return riesce;
    }
};

// The real ending closes at once any box opened after it, unseen: it
// remembers how many boxes had been shown when it came.
class UscitaFinta : public Uscita
{
public:
    explicit UscitaFinta(const DialoghiFinti &dialoghi) : dialoghi_(dialoghi) {}
    int volte = 0;
    qsizetype boxAllaFine = -1;
    void termina() override
    {
        ++volte;
        boxAllaFine = dialoghi_.mostrate.size();
    }
    // Whether every box was shown before the game was told to end.
    bool nienteDopoLaFine() const { return volte == 0 || boxAllaFine == dialoghi_.mostrate.size(); }

private:
    const DialoghiFinti &dialoghi_;
};

class CampanelloFinto : public Campanello
{
public:
    int volte = 0;
    void suona() override { ++volte; }
};
