#include "archiviorecord.h"

#include "classe.h"
#include "coppiafile.h"
#include "lucchetto.h"
#include "record.h"
#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

const QString FilePunteggio = QStringLiteral("tomvaldrisken.txt");
const QString FileNome = QStringLiteral("tomvaldrisken1.txt");
const QString FileLucchetto = QStringLiteral("tomvaldrisken.lock");
// A save in progress: its arrival makes the save count.
const QString FileGiornale = QStringLiteral("tomvaldrisken.giornale");

// What a teacher reads, by what the game was doing when a file failed.
using FabbricaErrore = ErroreRecord (*)(const QString &percorso, const QString &motivo);

ErroreRecord erroreLettura(const QString &percorso, const QString &motivo)
{
    return {QStringLiteral("Non riesco a leggere il file del record\n%1\nperché %2.\n\n"
                           "Il record non viene mostrato; la gara continua.")
                .arg(QDir::toNativeSeparators(percorso), motivo)};
}

ErroreRecord erroreScrittura(const QString &percorso, const QString &motivo)
{
    return {QStringLiteral("Non riesco a registrare il record nel file\n%1\nperché %2.\n\n"
                           "Il record di prima è rimasto com'era.")
                .arg(QDir::toNativeSeparators(percorso), motivo)};
}

ErroreRecord erroreCompletamento(const QString &percorso, const QString &motivo)
{
    return {QStringLiteral("Il record nuovo è pronto ma non è ancora al suo posto in\n%1\n"
                           "perché %2.\n\nLa prossima partita proverà a completarlo.")
                .arg(QDir::toNativeSeparators(percorso), motivo)};
}

ErroreRecord erroreCreazione(const QString &percorso, const QString &motivo)
{
    return {QStringLiteral("Non riesco a creare il file del record\n%1\n"
                           "perché %2.\n\nLa gara continua senza record.")
                .arg(QDir::toNativeSeparators(percorso), motivo)};
}

QString motivoLucchetto(QLockFile::LockError errore)
{
    return errore == QLockFile::LockFailedError
               ? QStringLiteral("un'altra partita lo sta registrando proprio ora")
               : QStringLiteral("non si è potuto bloccare il file");
}

// Runs one step on the files; a file that fails is told in the words of
// what the game was doing.
template <typename Passo> void passo(FabbricaErrore errore, Passo &&fai)
{
    try {
        fai();
    } catch (const GuastoFile &guasto) {
        throw errore(guasto.percorso, guasto.motivo);
    }
}

QString testoDa(const QByteArray &byte)
{
    return QString::fromStdString(daWindows1252(std::string_view(byte.constData(), byte.size())));
}

QByteArray byteRecord(const QString &testo)
{
    return QByteArray::fromStdString(rigaRecord(testo.toStdString()));
}

} // namespace

QString GetSystemDir()
{
    return scegliCartellaDati().percorso;
}

QString Leggifiletxt(const QString &nomefile)
{
    QByteArray byte;
    passo(erroreLettura, [&] { byte = leggiByte(nomefile); });
    return testoDa(byte);
}

ArchivioRecord::ArchivioRecord(const QString &PercorsoDati, bool delGruppo)
    : cartella_(PercorsoDati), delGruppo_(delGruppo)
{}

QString ArchivioRecord::percorsoPunteggio() const
{
    return QDir(cartella_).filePath(FilePunteggio);
}

QString ArchivioRecord::percorsoNome() const
{
    return QDir(cartella_).filePath(FileNome);
}

QString ArchivioRecord::percorsoLucchetto() const
{
    return QDir(cartella_).filePath(FileLucchetto);
}

CoppiaDiFile ArchivioRecord::coppia() const
{
    return CoppiaDiFile(percorsoPunteggio(), percorsoNome(), QDir(cartella_).filePath(FileGiornale),
                        delGruppo_);
}

void ArchivioRecord::creaSeMancano() const
{
    for (const QString &percorso : {percorsoPunteggio(), percorsoNome()}) {
        const QFileInfo info(percorso);
        if (info.exists())
            continue;
        // NewOnly: never truncates, never follows a link that appeared meanwhile.
        QFile file(percorso);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw erroreCreazione(percorso,
                                  info.isSymLink() ? motivoDaErrno(EEXIST) : motivoDaFile(file));
        if (delGruppo_ && !condividiColGruppo(file.handle(), percorso))
            throw erroreCreazione(percorso, motivoDaErrno(errno));
    }
}

std::unique_ptr<Lucchetto> ArchivioRecord::blocca(int attesaMassimaMs) const
{
    QLockFile::LockError errore = QLockFile::NoError;
    auto lucchetto = prendiLucchetto(percorsoLucchetto(), attesaMassimaMs, errore, delGruppo_);
    if (!lucchetto) {
        if (errore == QLockFile::LockFailedError)
            throw erroreLettura(percorsoPunteggio(), motivoLucchetto(errore));
        return nullptr;
    }
    passo(erroreLettura, [this] { coppia().completa(); });
    return lucchetto;
}

Record ArchivioRecord::leggi(int attesaMassimaMs) const
{
    const auto lucchetto = blocca(attesaMassimaMs); // held while read: one save's pair
    creaSeMancano();
    return {Leggifiletxt(percorsoPunteggio()), Leggifiletxt(percorsoNome())};
}

bool ArchivioRecord::salvaSeBattuto(const QString &punteggio, const QString &nome,
                                    int attesaMassimaMs, const QString &recordMostrato) const
{
    const auto battuto = [&](const QByteArray &memorizzato) {
        return battutoIlRecord(memorizzato.toStdString(), punteggio.toStdString());
    };
    const QByteArray mostrato = recordMostrato.toUtf8();
    // Where nothing can be saved, only a score that beats what is known of
    // the record is a loss to report.
    const auto nienteDaPerdere = [&](const QByteArray &noto, const QString &motivo) {
        if (battuto(noto))
            throw erroreScrittura(percorsoPunteggio(), motivo);
        return false;
    };

    QLockFile::LockError errore = QLockFile::NoError;
    const auto lucchetto =
        prendiLucchetto(percorsoLucchetto(), attesaMassimaMs, errore, delGruppo_);
    if (!lucchetto) {
        QByteArray noto = mostrato;
        try {
            noto = leggiByte(percorsoPunteggio());
        } catch (const GuastoFile &) {
        }
        return nienteDaPerdere(noto, motivoLucchetto(errore));
    }
    const CoppiaDiFile file = coppia();
    passo(erroreScrittura, [&] { file.completa(); });

    // The record as it stands now, which another game may have raised.
    QByteArray vecchio;
    if (QFileInfo::exists(percorsoPunteggio())) {
        try {
            vecchio = leggiByte(percorsoPunteggio());
        } catch (const GuastoFile &) {
            return nienteDaPerdere(mostrato, QStringLiteral("il file che c'è non si può leggere"));
        }
    }
    if (!battuto(vecchio))
        return false;

    passo(erroreScrittura, [&] { file.scrivi(byteRecord(punteggio), byteRecord(nome)); });
    passo(erroreCompletamento, [&] { file.completa(); });
    return true;
}
