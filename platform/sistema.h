#pragma once

#include <QString>
#include <QStringList>

class Dialoghi;

// Starting other programs.
class Avviatore
{
public:
    virtual ~Avviatore() = default;

    // The full path of a program found on PATH, or the empty text.
    virtual QString trova(const QString &programma) const = 0;

    // Starts it on its own, without a shell and without waiting.
    virtual bool avviaStaccato(const QString &percorso, const QStringList &argomenti) = 0;
};

class AvviatoreQt : public Avviatore
{
public:
    QString trova(const QString &programma) const override;
    bool avviaStaccato(const QString &percorso, const QStringList &argomenti) override;
};

// Ending the game.
class Uscita
{
public:
    virtual ~Uscita() = default;
    virtual void termina() = 0;
};

// Leaves every event loop, nested ones too, so main() returns 0 and the
// window goes with it.
class UscitaQt : public Uscita
{
public:
    void termina() override;
};

// The calculators the game knows how to open, in the order it looks for
// them, each with what asks it to start minimised where it can.
struct Calcolatrice
{
    QString programma;
    QStringList argomenti;
};
const QList<Calcolatrice> &calcolatriciNote();

// The desktop's short alert sound.
class Campanello
{
public:
    virtual ~Campanello() = default;
    virtual void suona() = 0;
};

class CampanelloQt : public Campanello
{
public:
    void suona() override;
};

// Tells the desktop which installed launcher the running game is, so that
// it shows the launcher's name and icon: by the desktop entry's name on
// Wayland, by the window class that the entry names on X11.
inline const QString LanciatoreInstallato = QStringLiteral("it.zeffirano.Zeffirano");
inline const QString ClasseFinestra = QStringLiteral("zeffirano");
void legaAlLanciatore();

// The services the window asks of the desktop.
struct Servizi
{
    Dialoghi &dialoghi;
    Avviatore &avviatore;
    Uscita &uscita;
    Campanello &campanello;
};
