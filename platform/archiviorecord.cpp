#include "archiviorecord.h"

#include "record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString FilePunteggio = QStringLiteral("tomvaldrisken.txt");
const QString FileNome = QStringLiteral("tomvaldrisken1.txt");
const QString FileLucchetto = QStringLiteral("tomvaldrisken.lock");

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

// Writes the whole text into a QSaveFile's temporary file, not yet committed.
void preparaFile(QSaveFile &file, const QByteArray &contenuto)
{
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size())
        throw erroreScrittura(file.fileName(), motivoDaFile(file));
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

bool ArchivioRecord::salvaSeBattuto(const QString &punteggio, const QString &nome,
                                    int attesaMassimaMs) const
{
    QLockFile lucchetto(QDir(cartella_).filePath(FileLucchetto));
    if (!lucchetto.tryLock(attesaMassimaMs)) {
        const QString motivo =
            lucchetto.error() == QLockFile::LockFailedError
                ? QStringLiteral("un'altra partita lo sta registrando proprio ora")
                : QStringLiteral("non si è potuto bloccare il file");
        throw erroreScrittura(percorsoPunteggio(), motivo);
    }

    // The record as it stands now, which another game may have raised.
    const bool cera = QFileInfo::exists(percorsoPunteggio());
    QByteArray vecchio;
    if (cera) {
        try {
            vecchio = leggiByte(percorsoPunteggio());
        } catch (const ErroreRecord &) {
            throw erroreScrittura(percorsoPunteggio(),
                                  QStringLiteral("il file che c'è non si può leggere"));
        }
    }
    if (!battutoIlRecord(std::string_view(vecchio.constData(), vecchio.size()),
                         punteggio.toStdString()))
        return false;

    QSaveFile filePunteggio(percorsoPunteggio());
    QSaveFile fileNome(percorsoNome());
    preparaFile(filePunteggio, byteRecord(punteggio));
    preparaFile(fileNome, byteRecord(nome));

    if (!filePunteggio.commit())
        throw erroreScrittura(percorsoPunteggio(), motivoDaFile(filePunteggio));
    if (!fileNome.commit()) {
        const QString motivo = motivoDaFile(fileNome);
        // Put the old score back, so the pair stays the old one.
        QSaveFile ripristino(percorsoPunteggio());
        if (cera) {
            if (ripristino.open(QIODevice::WriteOnly) &&
                ripristino.write(vecchio) == vecchio.size())
                ripristino.commit();
        } else {
            QFile::remove(percorsoPunteggio());
        }
        throw erroreScrittura(percorsoNome(), motivo);
    }
    return true;
}
