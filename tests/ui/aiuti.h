#pragma once

#include "esercizio.h"
#include "finti.h"
#include "sistema.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <vector>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

// Plays back the given draws, round and round.
class SorgenteScriptata : public SorgenteCasuale
{
public:
    explicit SorgenteScriptata(std::vector<float> valori) : valori_(std::move(valori)) {}
    float r() override { return valori_[prossimo_++ % valori_.size()]; }
    void riseme() override {}

private:
    std::vector<float> valori_;
    size_t prossimo_ = 0;
};

// r values that draw integer part 1, non-repeating part 5, period 13: 1498/990.
inline const std::vector<float> Mista_1_5_13 = {0.0f, 0.75f, 0.4f, 12.0f / 19};
// Integer part 3, no non-repeating part, period 7: 34/9.
inline const std::vector<float> Pura_3_7 = {0.25f, 0.25f, 6.0f / 19};

inline QWidget *controllo(QWidget *finestra, const char *nome)
{
    return finestra->findChild<QWidget *>(nome);
}

inline QLineEdit *casella(QWidget *finestra, const char *nome)
{
    return finestra->findChild<QLineEdit *>(nome);
}

// The text a control shows, whatever its kind.
inline QString testo(QWidget *finestra, const char *nome)
{
    if (auto *l = finestra->findChild<QLabel *>(nome))
        return l->text();
    if (auto *e = finestra->findChild<QLineEdit *>(nome))
        return e->text();
    if (auto *b = finestra->findChild<QAbstractButton *>(nome))
        return b->text();
    return QStringLiteral("<missing %1>").arg(nome);
}

// Everything a window under test needs around it: scripted dialogs, a
// launcher and an ending that only record, and a data folder of its own,
// never the tester's.
struct Banco
{
    Banco()
    {
        qputenv("XDG_DATA_HOME", dati.path().toLocal8Bit());
        cartella = dati.path() + QStringLiteral("/zeffirano/");
    }
    Servizi servizi() { return Servizi{dialoghi, avviatore, uscita, campanello}; }

    QTemporaryDir dati;
    QString cartella;
    DialoghiFinti dialoghi;
    AvviatoreFinto avviatore;
    UscitaFinta uscita{dialoghi};
    CampanelloFinto campanello;
};

// The data folder as a pupil finds it on a shared machine: readable, not
// writable. Root writes anywhere, so a root tester acts as nobody meanwhile.
struct CartellaDiSolaLettura
{
    explicit CartellaDiSolaLettura(Banco &banco) : cartella(QFile::encodeName(banco.cartella))
    {
        ::chmod(QFile::encodeName(banco.dati.path()).constData(), 0755);
        ::chmod(cartella.constData(), 0555);
        ::setfsuid(::geteuid() == 0 ? 65534 : ::geteuid());
    }
    ~CartellaDiSolaLettura()
    {
        ::setfsuid(::geteuid());
        ::chmod(cartella.constData(), 0755);
    }
    const QByteArray cartella;
};
