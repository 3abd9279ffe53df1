#include "coppiafile.h"

#include "classe.h"
#include "record.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each file's new content waits beside it under this ending.
const QString Nuovo = QStringLiteral(".nuovo");

const QString TroppoGrande = QStringLiteral("è troppo grande per essere un record (più di 64 KiB)");

GuastoFile daErrno(const QString &percorso, int codice)
{
    return {percorso, motivoDaErrno(codice)};
}

// Where a file's bytes really go: a link keeps its link, and the file it
// points to gets the new content.
QString destinazione(const QString &percorso)
{
    const QFileInfo info(percorso);
    const QString reale = info.isSymLink() ? info.canonicalFilePath() : QString();
    return reale.isEmpty() ? percorso : reale;
}

// Writes the whole content into a file of its own, on the disk before it
// returns. Any file of that name is the leftover of a write that never
// counted; it goes, so a link put there is never written through. In a
// class folder the file is the class's before it holds anything.
void scriviTutto(const QString &percorso, const QByteArray &contenuto,
                 const QString &perIlMessaggio, bool delGruppo)
{
    QFile::remove(percorso);
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw GuastoFile{perIlMessaggio, motivoDaFile(file)};
    if (delGruppo && !condividiColGruppo(file.handle(), percorso))
        throw daErrno(perIlMessaggio, errno);
    if (file.write(contenuto) != contenuto.size() || !file.flush() || ::fsync(file.handle()) != 0)
        throw GuastoFile{perIlMessaggio, motivoDaFile(file)};
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

} // namespace

// Opened without blocking, and checked on the open descriptor itself, so a
// pipe or a device swapped in at the last moment is refused rather than read.
QByteArray leggiByte(const QString &percorso)
{
    const QByteArray nativo = QFile::encodeName(percorso);
    const int fd = ::open(nativo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw daErrno(percorso, errno);

    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int codice = errno;
        ::close(fd);
        throw daErrno(percorso, codice);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw daErrno(percorso, EISDIR);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw GuastoFile{percorso, QStringLiteral("non è un file normale")};
    }
    if (static_cast<unsigned long long>(st.st_size) > DimensioneMassimaRecord) {
        ::close(fd);
        throw GuastoFile{percorso, TroppoGrande};
    }

    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw GuastoFile{percorso, file.errorString()};
    }
    // One byte more than a record may hold tells a file that grew meanwhile.
    const QByteArray dati = file.read(DimensioneMassimaRecord + 1);
    if (file.error() != QFileDevice::NoError)
        throw GuastoFile{percorso,
                         QStringLiteral("errore di lettura (%1)").arg(file.errorString())};
    if (static_cast<std::size_t>(dati.size()) > DimensioneMassimaRecord)
        throw GuastoFile{percorso, TroppoGrande};
    return dati;
}

CoppiaDiFile::CoppiaDiFile(const QString &primo, const QString &secondo, const QString &giornale,
                           bool delGruppo)
    : primo_(primo), secondo_(secondo), giornale_(giornale), delGruppo_(delGruppo)
{}

void CoppiaDiFile::completa() const
{
    const QStringList finali = {destinazione(primo_), destinazione(secondo_)};
    // What errno says went wrong with this file.
    const auto interrotto = [](const QString &percorso) {
        const int codice = errno;
        return GuastoFile{percorso, QStringLiteral("un salvataggio interrotto non si è potuto "
                                                   "completare: %1")
                                        .arg(motivoDaErrno(codice))};
    };
    if (QFileInfo(giornale_).isFile()) {
        // The write counted: move what is still waiting. Only these two
        // names are ever moved, whatever the journal says.
        for (const QString &finale : finali)
            if (QFileInfo::exists(finale + Nuovo) && !sostituisci(finale + Nuovo, finale))
                throw interrotto(finale);
        // The pair on the disk before the journal that vouches for it goes.
        if (const QString nonScritto = sincronizzaCartelle(finali); !nonScritto.isEmpty())
            throw interrotto(nonScritto);
        if (!QFile::remove(giornale_))
            throw GuastoFile{giornale_, QStringLiteral("non si è potuto togliere il giornale")};
    }
    // Whatever is left belongs to a write that never counted.
    for (const QString &finale : finali)
        QFile::remove(finale + Nuovo);
    QFile::remove(giornale_ + Nuovo);
}

void CoppiaDiFile::scrivi(const QByteArray &primo, const QByteArray &secondo) const
{
    const QString finalePrimo = destinazione(primo_);
    const QString finaleSecondo = destinazione(secondo_);
    // A folder cannot be replaced by a file: found now, the old pair stays.
    if (QFileInfo(finaleSecondo).isDir())
        throw daErrno(secondo_, EISDIR);
    try {
        scriviTutto(finalePrimo + Nuovo, primo, primo_, delGruppo_);
        scriviTutto(finaleSecondo + Nuovo, secondo, secondo_, delGruppo_);
        // For whoever looks: recovery trusts only the two names above.
        const QString giornale =
            QStringLiteral("%1 -> %2\r\n%3 -> %4\r\n")
                .arg(finalePrimo + Nuovo, finalePrimo, finaleSecondo + Nuovo, finaleSecondo);
        scriviTutto(giornale_ + Nuovo, giornale.toUtf8(), primo_, delGruppo_);
        // The moment the write counts, once the disk holds the journal beside
        // both new files; a journal the disk would not take is taken back.
        if (!sostituisci(giornale_ + Nuovo, giornale_))
            throw daErrno(primo_, errno);
        const QString nonScritto = sincronizzaCartelle({finalePrimo, finaleSecondo, giornale_});
        if (!nonScritto.isEmpty()) {
            const int codice = errno;
            QFile::remove(giornale_);
            throw daErrno(nonScritto, codice);
        }
    } catch (const GuastoFile &) {
        completa();
        throw;
    }
}
