#include "archiviorecord.h"

#include "record.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString FilePunteggio = QStringLiteral("tomvaldrisken.txt");
const QString FileNome = QStringLiteral("tomvaldrisken1.txt");
const QString FileLucchetto = QStringLiteral("tomvaldrisken.lock");
// A save in progress: each file's new content beside it, and the journal
// whose arrival makes the save count.
const QString FileGiornale = QStringLiteral("tomvaldrisken.giornale");
const QString Nuovo = QStringLiteral(".nuovo");

QString motivoDaErrno(int codice)
{
    switch (codice) {
    case ENOENT:
        return QStringLiteral("il file o la sua cartella non esiste");
    case EACCES:
    case EPERM:
        return QStringLiteral("mancano i permessi");
    case EISDIR:
        return QStringLiteral("al suo posto c'è una cartella");
    case ENOTDIR:
        return QStringLiteral("il percorso passa per un file che non è una cartella");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il disco è pieno");
    case EROFS:
        return QStringLiteral("il disco si può solo leggere");
    case ELOOP:
        return QStringLiteral("troppi collegamenti simbolici");
    case ENAMETOOLONG:
        return QStringLiteral("il percorso è troppo lungo");
    case EEXIST:
        return QStringLiteral("al suo posto c'è un collegamento che non porta a nessun file");
    case ENXIO:
    case EWOULDBLOCK:
        return QStringLiteral("non è un file normale");
    default:
        return QStringLiteral("errore di sistema %1 (%2)")
            .arg(codice)
            .arg(QString::fromLocal8Bit(std::strerror(codice)));
    }
}

QString motivoDaFile(const QFileDevice &file)
{
    if (QFileInfo(file.fileName()).isDir())
        return QStringLiteral("al suo posto c'è una cartella");
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("il disco è pieno");
    case QFileDevice::PermissionsError:
        return QStringLiteral("mancano i permessi");
    case QFileDevice::RenameError:
        return QStringLiteral("non si è potuto mettere il file nuovo al posto del vecchio");
    case QFileDevice::OpenError:
        return QStringLiteral("non si è potuto creare il file (%1)").arg(file.errorString());
    default:
        return QStringLiteral("errore di scrittura (%1)").arg(file.errorString());
    }
}

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

QString motivoLucchetto(QLockFile::LockError errore)
{
    return errore == QLockFile::LockFailedError
               ? QStringLiteral("un'altra partita lo sta registrando proprio ora")
               : QStringLiteral("non si è potuto bloccare il file");
}

// The raw bytes of a record file. Opened without blocking, and checked on
// the open descriptor itself, so a pipe or a device swapped in at the last
// moment is refused rather than read.
QByteArray leggiByte(const QString &percorso)
{
    const QByteArray nativo = QFile::encodeName(percorso);
    const int fd = ::open(nativo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw erroreLettura(percorso, motivoDaErrno(errno));

    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int codice = errno;
        ::close(fd);
        throw erroreLettura(percorso, motivoDaErrno(codice));
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw erroreLettura(percorso, motivoDaErrno(EISDIR));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw erroreLettura(percorso, QStringLiteral("non è un file normale"));
    }
    if (static_cast<unsigned long long>(st.st_size) > DimensioneMassimaRecord) {
        ::close(fd);
        throw erroreLettura(percorso,
                            QStringLiteral("è troppo grande per essere un record (più di 64 KiB)"));
    }

    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw erroreLettura(percorso, file.errorString());
    }
    // One byte more than a record may hold tells a file that grew meanwhile.
    const QByteArray dati = file.read(DimensioneMassimaRecord + 1);
    if (file.error() != QFileDevice::NoError)
        throw erroreLettura(percorso,
                            QStringLiteral("errore di lettura (%1)").arg(file.errorString()));
    if (static_cast<std::size_t>(dati.size()) > DimensioneMassimaRecord)
        throw erroreLettura(percorso,
                            QStringLiteral("è troppo grande per essere un record (più di 64 KiB)"));
    return dati;
}

QString testoDa(const QByteArray &byte)
{
    return QString::fromStdString(daWindows1252(std::string_view(byte.constData(), byte.size())));
}

QByteArray byteRecord(const QString &testo)
{
    return QByteArray::fromStdString(rigaRecord(testo.toStdString()));
}

// Where a record file's bytes really go: a record file that is a link keeps
// its link, and the file it points to gets the new content.
QString destinazione(const QString &percorso)
{
    const QFileInfo info(percorso);
    const QString reale = info.isSymLink() ? info.canonicalFilePath() : QString();
    return reale.isEmpty() ? percorso : reale;
}

// Writes the whole content into a file of its own, on the disk before it
// returns. Any file of that name is the leftover of a save that never
// counted; it goes, so a link put there is never written through.
void scriviTutto(const QString &percorso, const QByteArray &contenuto,
                 const QString &perIlMessaggio)
{
    QFile::remove(percorso);
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        file.write(contenuto) != contenuto.size() || !file.flush() || ::fsync(file.handle()) != 0)
        throw erroreScrittura(perIlMessaggio, motivoDaFile(file));
}

// Puts a file in the place of another in one step, as QFile::rename will not.
bool sostituisci(const QString &da, const QString &a)
{
    return std::rename(QFile::encodeName(da).constData(), QFile::encodeName(a).constData()) == 0;
}

// Syncs the folder holding each file, each folder once, so that the names
// just made, moved or removed there are on the disk: a folder's entries
// otherwise wait for the file system's next commit. Returns the file whose
// folder failed, with errno set, or an empty string. A file system that
// cannot sync a folder at all (EINVAL) is left to commit in its own time.
QString sincronizzaCartelle(const QStringList &file)
{
    QStringList fatte;
    for (const QString &percorso : file) {
        const QString cartella = QFileInfo(percorso).absolutePath();
        if (fatte.contains(cartella))
            continue;
        fatte.append(cartella);
        const int fd =
            ::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        int codice = fd < 0 ? errno : 0;
        if (fd >= 0 && ::fsync(fd) != 0 && errno != EINVAL)
            codice = errno;
        if (fd >= 0)
            ::close(fd);
        if (codice != 0) {
            errno = codice;
            return percorso;
        }
    }
    return QString();
}

// A lock file that is empty, a fifth of a second old and held by no process
// is what a game killed while taking the lock leaves: QLockFile creates it,
// locks it at once and writes its owner a moment later, and would wait half
// a minute before calling an empty one stale. The age keeps clear of a game
// caught between creating and locking.
bool lucchettoAbbandonato(const QString &percorso)
{
    const QFileInfo info(percorso);
    return info.isFile() && info.size() == 0 &&
           info.lastModified().msecsTo(QDateTime::currentDateTime()) > 200;
}

} // namespace

QString GetSystemDir()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString cartella = base + QStringLiteral("/zeffirano/");
    QDir().mkpath(cartella);
    return cartella;
}

QString Leggifiletxt(const QString &nomefile)
{
    return testoDa(leggiByte(nomefile));
}

ArchivioRecord::ArchivioRecord(const QString &PercorsoDati) : cartella_(PercorsoDati) {}

QString ArchivioRecord::percorsoPunteggio() const
{
    return QDir(cartella_).filePath(FilePunteggio);
}

QString ArchivioRecord::percorsoNome() const
{
    return QDir(cartella_).filePath(FileNome);
}

QString ArchivioRecord::percorsoGiornale() const
{
    return QDir(cartella_).filePath(FileGiornale);
}

void ArchivioRecord::creaSeMancano() const
{
    for (const QString &percorso : {percorsoPunteggio(), percorsoNome()}) {
        const QFileInfo info(percorso);
        if (info.exists())
            continue;
        // NewOnly: never truncates, never follows a link that appeared meanwhile.
        QFile file(percorso);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const QString motivo = info.isSymLink() ? motivoDaErrno(EEXIST) : motivoDaFile(file);
            throw ErroreRecord{QStringLiteral("Non riesco a creare il file del record\n%1\n"
                                              "perché %2.\n\nLa gara continua senza record.")
                                   .arg(QDir::toNativeSeparators(percorso), motivo)};
        }
    }
}

std::unique_ptr<QLockFile> ArchivioRecord::prendiLucchetto(int attesaMassimaMs,
                                                           QLockFile::LockError &errore) const
{
    const QString percorso = QDir(cartella_).filePath(FileLucchetto);
    auto lucchetto = std::make_unique<QLockFile>(percorso);
    const QDeadlineTimer scadenza(attesaMassimaMs);
    int pausaMs = 1;
    while (!lucchetto->tryLock(0)) {
        errore = lucchetto->error();
        if (errore != QLockFile::LockFailedError)
            return nullptr;
        // A folder or a link where the lock goes is no game's lock, and no
        // game can ever take it.
        const QFileInfo info(percorso);
        if (info.isSymLink() || (info.exists() && !info.isFile())) {
            errore = QLockFile::PermissionError;
            return nullptr;
        }
        // Only a lock file no process holds is removed.
        if (lucchettoAbbandonato(percorso) && lucchetto->removeStaleLockFile())
            continue;
        if (scadenza.hasExpired())
            return nullptr;
        QThread::msleep(std::min<qint64>(pausaMs, scadenza.remainingTime()));
        pausaMs = std::min(pausaMs * 2, 50);
    }
    return lucchetto;
}

void ArchivioRecord::completaSalvataggio(FabbricaErrore errore) const
{
    const QStringList finali = {destinazione(percorsoPunteggio()), destinazione(percorsoNome())};
    // What errno says went wrong with this file.
    const auto interrotto = [errore](const QString &percorso) {
        const int codice = errno;
        return errore(percorso, QStringLiteral("un salvataggio interrotto non si è potuto "
                                               "completare: %1")
                                    .arg(motivoDaErrno(codice)));
    };
    if (QFileInfo(percorsoGiornale()).isFile()) {
        // The save counted: move what is still waiting. Only these two
        // names are ever moved, whatever the journal says.
        for (const QString &finale : finali)
            if (QFileInfo::exists(finale + Nuovo) && !sostituisci(finale + Nuovo, finale))
                throw interrotto(finale);
        // The pair on the disk before the journal that vouches for it goes.
        if (const QString nonScritto = sincronizzaCartelle(finali); !nonScritto.isEmpty())
            throw interrotto(nonScritto);
        if (!QFile::remove(percorsoGiornale()))
            throw errore(percorsoGiornale(),
                         QStringLiteral("non si è potuto togliere il giornale"));
    }
    // Whatever is left belongs to a save that never counted.
    for (const QString &finale : finali)
        QFile::remove(finale + Nuovo);
    QFile::remove(percorsoGiornale() + Nuovo);
}

std::unique_ptr<QLockFile> ArchivioRecord::blocca(int attesaMassimaMs) const
{
    QLockFile::LockError errore = QLockFile::NoError;
    auto lucchetto = prendiLucchetto(attesaMassimaMs, errore);
    if (!lucchetto) {
        if (errore == QLockFile::LockFailedError)
            throw erroreLettura(percorsoPunteggio(), motivoLucchetto(errore));
        return nullptr;
    }
    completaSalvataggio(erroreLettura);
    return lucchetto;
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
    const auto lucchetto = prendiLucchetto(attesaMassimaMs, errore);
    if (!lucchetto) {
        QByteArray noto = mostrato;
        try {
            noto = leggiByte(percorsoPunteggio());
        } catch (const ErroreRecord &) {
        }
        return nienteDaPerdere(noto, motivoLucchetto(errore));
    }
    completaSalvataggio(erroreScrittura);

    // The record as it stands now, which another game may have raised.
    QByteArray vecchio;
    if (QFileInfo::exists(percorsoPunteggio())) {
        try {
            vecchio = leggiByte(percorsoPunteggio());
        } catch (const ErroreRecord &) {
            return nienteDaPerdere(mostrato, QStringLiteral("il file che c'è non si può leggere"));
        }
    }
    if (!battuto(vecchio))
        return false;

    const QString finalePunteggio = destinazione(percorsoPunteggio());
    const QString finaleNome = destinazione(percorsoNome());
    // A folder cannot be replaced by a file: found now, the old pair stays.
    if (QFileInfo(finaleNome).isDir())
        throw erroreScrittura(percorsoNome(), motivoDaErrno(EISDIR));
    try {
        scriviTutto(finalePunteggio + Nuovo, byteRecord(punteggio), percorsoPunteggio());
        scriviTutto(finaleNome + Nuovo, byteRecord(nome), percorsoNome());
        // For whoever looks: recovery trusts only the two names above.
        const QString giornale =
            QStringLiteral("%1 -> %2\r\n%3 -> %4\r\n")
                .arg(finalePunteggio + Nuovo, finalePunteggio, finaleNome + Nuovo, finaleNome);
        scriviTutto(percorsoGiornale() + Nuovo, giornale.toUtf8(), percorsoPunteggio());
        // The moment the save counts, once the disk holds the journal beside
        // both new files; a journal the disk would not take is taken back.
        if (!sostituisci(percorsoGiornale() + Nuovo, percorsoGiornale())) {
            const int codice = errno;
            throw erroreScrittura(percorsoPunteggio(), motivoDaErrno(codice));
        }
        const QString nonScritto =
            sincronizzaCartelle({finalePunteggio, finaleNome, percorsoGiornale()});
        if (!nonScritto.isEmpty()) {
            const int codice = errno;
            QFile::remove(percorsoGiornale());
            throw erroreScrittura(nonScritto, motivoDaErrno(codice));
        }
    } catch (const ErroreRecord &) {
        completaSalvataggio(erroreScrittura);
        throw;
    }
    completaSalvataggio(erroreCompletamento);
    return true;
}
