#pragma once

#include <QPointer>
#include <QString>

class QDialog;
class QWidget;

// Message box styles, numbered as the desktop of the game's first home
// numbered them: buttons + icon + default button.
namespace Stile {
constexpr int SoloOk = 0;   // an OK button alone, no icon
constexpr int SiNo = 4;     // Yes and No
constexpr int Critico = 16; // icons
constexpr int Domanda = 32;
constexpr int Avviso = 48;
constexpr int Informazione = 64;
constexpr int SecondoPredefinito = 256;                          // the second button is the default
constexpr int SiNoDomanda = SiNo + Domanda + SecondoPredefinito; // 292: No is the default
} // namespace Stile

// What a message box answers.
namespace Risposta {
constexpr int Ok = 1;
constexpr int Si = 6;
constexpr int No = 7;
} // namespace Risposta

// The program's name: the window's title, and the title boxes carry when
// they are given none of their own.
inline const QString TitoloProgramma = QStringLiteral("Zeffirano");

inline QString titoloDa(const QString &titolo)
{
    return titolo.isEmpty() ? TitoloProgramma : titolo;
}

inline bool chiedeSiNo(int stile)
{
    return (stile & 0x0F) == Stile::SiNo;
}

// What a box answers when it is closed without Yes: a question answers No,
// any other box OK.
inline int rispostaSenzaSi(int stile)
{
    return chiedeSiNo(stile) ? Risposta::No : Risposta::Ok;
}

// Modal boxes: one to tell or ask, one to type a line.
class Dialoghi
{
public:
    virtual ~Dialoghi() = default;

    // Shows the text and waits; returns the button pressed (Risposta).
    virtual int MsgBox(const QString &testo, int stile = Stile::SoloOk,
                       const QString &titolo = QString()) = 0;

    // Asks for a line of text; returns it, or the empty text on cancel.
    virtual QString InputBox(const QString &domanda, const QString &titolo = QString()) = 0;

    // The window the boxes belong to, so that the desktop keeps them over
    // it and shows one entry for the game.
    virtual void appartengonoA(QWidget *finestra) { (void)finestra; }
};

class DialoghiQt : public Dialoghi
{
public:
    int MsgBox(const QString &testo, int stile, const QString &titolo) override;
    QString InputBox(const QString &domanda, const QString &titolo) override;
    void appartengonoA(QWidget *finestra) override;

private:
    QWidget *genitore() const;
    void affida(QDialog &box) const;

    QPointer<QWidget> finestra_;
};
