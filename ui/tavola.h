#pragma once

#include "esercizio.h"
#include "giudizio.h"
#include "orologio.h"
#include "sistema.h"
#include "valore.h"

#include <QMainWindow>

#include <memory>
#include <string>

namespace Ui {
class Tavola;
}
class QTimer;

// The game's one window: the repeating decimal, the answer boxes, the
// counters, the clock and the record, and the handlers that run them.
class Tavola : public QMainWindow
{
    Q_OBJECT

public:
    // Tests hand in scripted dialogs and a scripted random source.
    explicit Tavola(Servizi servizi,
                    std::unique_ptr<SorgenteCasuale> casuale = std::make_unique<CasualeOrologio>(),
                    QWidget *parent = nullptr);
    ~Tavola() override;

    // The fraction of a repeating decimal, never simplified; also leaves the
    // expected numerator and denominator for judging the answer.
    QString decfraz(Valore &intero, Valore &aperiodo, double &periodo);

    const std::string &numeratoreAtteso() const { return Numeratore; }
    const std::string &denominatoreAtteso() const { return Denominatore; }

    // Whether leaving was confirmed: nothing more happens after that.
    bool terminato() const { return terminato_; }
    int tempoRestante() const { return orologio.TempoRestante; }

public slots:
    void cmdNext_Click();
    void cmdExit_Click();
    void Next_Click();
    void HELP_Click();
    void calc_Click();
    void Timer1_Timer();
    void Command1_Click();

protected:
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;
    void changeEvent(QEvent *evento) override;

private:
    void carica();
    void scarica();
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void MostraTempo();
    void AvviaOrologio();
    void leggiRecord();
    void SalvaRecord();
    void txtAnswer_KeyPress(int KeyAscii);
    void Text3_KeyPress(int KeyAscii);
    void giudicaRisposta();
    void dipingiSfumatura(int parteIntera, int antiperiodo);
    void impostaFigure();

    // The game's boxes, counted while they are open so that the clock never
    // opens one over another.
    int MsgBox(const QString &testo, int stile = 0, const QString &titolo = QString());
    QString InputBox(const QString &domanda);

    Servizi servizi_;
    std::unique_ptr<Ui::Tavola> ui;
    QTimer *Timer1 = nullptr;
    std::unique_ptr<SorgenteCasuale> casuale_;

    // The data folder, ending in "/".
    QString PercorsoDati;

    // The open exercise.
    int TipoPeriodico = 0;
    Valore ParteIntera;
    Valore Antiperiodo;
    double Periodo = 0;
    std::string Numeratore;
    std::string Denominatore;
    // An exercise is judged and counted once; a new one can be judged again.
    bool giudicato_ = false;

    // The race's right and wrong answers.
    Conteggi conteggi_;

    // Hours, minutes, seconds on show and the seconds left.
    Orologio orologio;
    int boxAperte_ = 0;
    // While the window loads, a tick that a start-up box lets through must
    // not count: the race starts when the window is shown.
    bool inCaricamento_ = false;

    // The first showing after each load makes the first exercise.
    bool primaAttivazione_ = true;
    bool terminato_ = false;
};
