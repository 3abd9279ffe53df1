// The window's menu commands and leaving the game: the commands a pupil
// gives besides answering. The rest of the window is in tavola.cpp.

#include "tavola.h"

#include "archiviorecord.h"
#include "dialoghi.h"
#include "localita.h"
#include "numerofrazione.h"
#include "ui_tavola.h"
#include "windows1252.h"

void Tavola::cmdExit_Click()
{
    if (MsgBox("Vuoi veramente lasciarmi  ?", Stile::SiNoDomanda, "Uscire dal programma") ==
        Risposta::No)
        return;
    SalvaRecord();
    terminato_ = true;
    servizi_.uscita.termina();
}

void Tavola::SalvaRecord()
{
    try {
        const ArchivioRecord archivio(PercorsoDati);
        if (archivio.salvaSeBattuto(ui->lblScore->text(), ui->lblnome1->text(), AttesaLucchetto,
                                    ui->lblpunti->text()))
            MsgBox("Ok ho registrato il tuo record, C A M P I O N E\"");
    } catch (const ErroreRecord &errore) {
        MsgBox(errore.messaggio, Stile::Avviso);
    }
}

void Tavola::Next_Click()
{
    if (MsgBox("INIZIAMO UNA NUOVA GARA  ?", Stile::SiNoDomanda, "INIZIARE NUOVA GARA") ==
        Risposta::No)
        return;
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
