#include "traguardo.h"

#include "attesa.h"
#include "dialoghi.h"
#include "record.h"

#include <QDir>

#include <memory>

namespace {

const QString NonRisponde = QStringLiteral("il server dei file non risponde");

QString rifiuto(const CartellaDati &cartella, const QString &motivo)
{
    return QStringLiteral("Non posso usare la cartella della classe %1\n%2\nperché %3.\n\n"
                          "Il record della classe non viene mostrato; la gara continua.")
        .arg(cartella.gruppo, QDir::toNativeSeparators(cartella.percorso), motivo);
}

} // namespace

Record Traguardo::partenza()
{
    arrivato_ = false;
    cartella_ = scegliCartellaDati();
    try {
        if (cartella_.diClasse())
            return leggiInClasse();
        return ArchivioRecord(cartella_.percorso).leggi();
    } catch (const ErroreRecord &errore) {
        avvisa_(errore.messaggio, Stile::Avviso);
    }
    return {};
}

Record Traguardo::leggiInClasse()
{
    inutilizzabile_.clear();
    const auto letto = std::make_shared<Record>();
    const auto motivo = std::make_shared<QString>();
    const CartellaDati cartella = cartella_;
    const bool finito = aspettaAlPiu(
        [=] {
            *motivo = motivoCartellaInutilizzabile(cartella);
            if (motivo->isEmpty())
                *letto = ArchivioRecord(cartella.percorso, true).leggi();
        },
        AttesaServer);
    inutilizzabile_ = finito ? *motivo : NonRisponde;
    if (inutilizzabile_.isEmpty())
        return *letto;
    if (!avvisato_)
        avvisa_(rifiuto(cartella_, inutilizzabile_), Stile::Avviso);
    avvisato_ = true;
    return {};
}

void Traguardo::arrivo(const Arrivo &arrivo)
{
    if (arrivato_)
        return;
    arrivato_ = true;
    if (!cartella_.diClasse() || !inutilizzabile_.isEmpty() || arrivo.totale == 0)
        return;
    const ArchivioRecord archivio(cartella_.percorso, true);
    // A server that did not answer now will not for the record either.
    if (!aspettaAlPiu([=] { aggiungiAlRegistro(archivio, arrivo, AttesaLucchetto); }, AttesaServer))
        inutilizzabile_ = NonRisponde;
}

void Traguardo::salva(const QString &punteggio, const QString &nome, const QString &recordMostrato)
{
    const auto salvato = std::make_shared<bool>(false);
    const ArchivioRecord archivio(cartella_.percorso, cartella_.diClasse());
    const auto salvaOra = [=] {
        *salvato = archivio.salvaSeBattuto(punteggio, nome, AttesaLucchetto, recordMostrato);
    };
    try {
        if (!cartella_.diClasse())
            salvaOra();
        else if (!inutilizzabile_.isEmpty())
            return nonSalvato(punteggio, recordMostrato, inutilizzabile_);
        else if (!aspettaAlPiu(salvaOra, AttesaServer))
            return nonSalvato(punteggio, recordMostrato, NonRisponde);
    } catch (const ErroreRecord &errore) {
        avvisa_(errore.messaggio, Stile::Avviso);
    }
    if (*salvato)
        avvisa_("Ok ho registrato il tuo record, C A M P I O N E\"", Stile::SoloOk);
}

// Only a score that beats the record shown is a loss to tell.
void Traguardo::nonSalvato(const QString &punteggio, const QString &recordMostrato,
                           const QString &motivo)
{
    if (!battutoIlRecord(recordMostrato.toStdString(), punteggio.toStdString()))
        return;
    avvisa_(QStringLiteral("Non riesco a registrare il tuo record nella cartella della classe "
                           "%1\n%2\nperché %3.\n\nIl record non è stato salvato.")
                .arg(cartella_.gruppo, QDir::toNativeSeparators(cartella_.percorso), motivo),
            Stile::Avviso);
}
