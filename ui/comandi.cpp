// The window's menu commands and leaving the game: the commands a pupil
// gives besides answering. The rest of the window is in tavola.cpp.

#include "tavola.h"

#include "dialoghi.h"
#include "localita.h"
#include "numerofrazione.h"
#include "ui_tavola.h"
#include "windows1252.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QSysInfo>

void Tavola::cmdExit_Click()
{
    if (MsgBox("Vuoi veramente lasciarmi  ?", Stile::SiNoDomanda, "Uscire dal programma") ==
        Risposta::No)
        return;
    fineGara(true);
    terminato_ = true;
    servizi_.uscita.termina();
}

void Tavola::SalvaRecord()
{
    traguardo_.salva(ui->lblScore->text(), ui->lblnome1->text(), ui->lblpunti->text());
}

// The race ends, however it ends: the class's log hears of it, and a pupil
// who leaves saves the record. The clock goes on meanwhile, but opens no box.
void Tavola::fineGara(bool esce)
{
    ++boxAperte_;
    traguardo_.arrivo(arrivoDellaGara());
    if (esce)
        SalvaRecord();
    --boxAperte_;
}

// The race as the teacher's log keeps it.
Arrivo Tavola::arrivoDellaGara() const
{
    return {QDateTime::currentDateTime(), QSysInfo::machineHostName(), ui->lblnome1->text(),
            conteggi_.RisposteEsatte(),   conteggi_.RisposteErrate(),  conteggi_.totale()};
}

// Closing the window saves no record, but the race it ends is logged.
void Tavola::closeEvent(QCloseEvent *evento)
{
    fineGara(false);
    QMainWindow::closeEvent(evento);
}

void Tavola::Next_Click()
{
    if (MsgBox("INIZIAMO UNA NUOVA GARA  ?", Stile::SiNoDomanda, "INIZIARE NUOVA GARA") ==
        Risposta::No)
        return;
    fineGara(false);
    scarica();
    carica();
    show();
}

void Tavola::HELP_Click()
{
    MsgBox(ui->lblnome1->text() +
           " devi risolvere così: es 1,5(31) =  [1531-15]/990= 1516/990. Questo "
           "è il risultato, non semplificare. " +
           "Ciao ...e buon lavoro ");
}

void Tavola::calc_Click()
{
    for (const Calcolatrice &calcolatrice : calcolatriciNote()) {
        const QString percorso = servizi_.avviatore.trova(calcolatrice.programma);
        if (percorso.isEmpty())
            continue;
        if (!servizi_.avviatore.avviaStaccato(percorso, calcolatrice.argomenti))
            MsgBox(QStringLiteral("Non riesco ad aprire la calcolatrice\n%1\n\nLa gara continua.")
                       .arg(percorso),
                   Stile::Avviso);
        return;
    }
    MsgBox("Su questo computer non ho trovato una calcolatrice da aprire.\n\nLa gara continua.",
           Stile::Avviso);
}

// The integer part as a whole number plus a reduced fraction, into the
// hidden lblNum2; since it is a whole number, it comes back as it is.
void Tavola::Command1_Click()
{
    const double Valoredoppio = ui->lblNum1->text().toDouble();
    const std::string testo = Numeroafrazione(Valoredoppio, 0, SeparatoreDecimali());
    ui->lblNum2->setText(QString::fromStdString(daWindows1252(testo)));
}
