#include "lucchetto.h"

#include "classe.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

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

// In a class folder the lock may belong to another computer: its process
// number means nothing here, the file server's clock is not ours, and the
// system's file locks do not cross the network. A lock file is left behind
// only when the file server has answered for AbbandonoTraComputer while the
// file stayed exactly as it was. A live game holds the lock for the few
// steps of a save, milliseconds; a look that took longer than
// RispostaLenta means the server stalled, and the watch starts again,
// since the game holding the lock stalled too.
constexpr qint64 RispostaLenta = 500;

class Osservatore
{
public:
    // Whether the lock has been seen, unchanged, for long enough.
    bool abbandonato(const QString &percorso)
    {
        QElapsedTimer sguardo;
        sguardo.start();
        const QFileInfo info(percorso);
        QFile file(percorso);
        const QByteArray visto = (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()) +
                                 QByteArray::number(info.lastModified().toMSecsSinceEpoch()) +
                                 QByteArray::number(info.size());
        if (!info.exists() || visto != visto_ || sguardo.elapsed() > RispostaLenta) {
            visto_ = visto;
            fermo_.start();
            return false;
        }
        return fermo_.elapsed() >= AbbandonoTraComputer;
    }

private:
    QByteArray visto_;
    QElapsedTimer fermo_;
};

// On this computer: Qt's lock file, which the system's lock guards.
class LucchettoQt : public Lucchetto
{
public:
    explicit LucchettoQt(const QString &percorso) : file_(percorso), percorso_(percorso) {}

    bool prova(QLockFile::LockError &errore)
    {
        if (file_.tryLock(0))
            return true;
        errore = file_.error();
        return false;
    }

    // Only a lock file no process holds is removed.
    bool sgombra() { return lucchettoAbbandonato(percorso_) && file_.removeStaleLockFile(); }

private:
    QLockFile file_;
    QString percorso_;
};

// Among computers only the creation of the lock file is one step that the
// file server does for one of them alone. Qt's lock would judge another
// computer's lock by its own process numbers wherever the computers share
// a system image (the same machine id): this one never does.
class LucchettoTraComputer : public Lucchetto
{
public:
    explicit LucchettoTraComputer(const QString &percorso)
        : percorso_(percorso), mio_(QStringLiteral("%1\n%2\n%3\n")
                                        .arg(QSysInfo::machineHostName())
                                        .arg(QCoreApplication::applicationPid())
                                        .arg(QUuid::createUuid().toString())
                                        .toUtf8())
    {}
    ~LucchettoTraComputer() override
    {
        // Only our own: one that another game took after clearing ours stays.
        if (preso_ && leggi(percorso_) == mio_)
            QFile::remove(percorso_);
    }

    bool prova(QLockFile::LockError &errore)
    {
        const int fd = ::open(QFile::encodeName(percorso_).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0660);
        if (fd < 0) {
            // SFTP cannot tell "it exists" from other failures: what is
            // there now tells, and if it went meanwhile one more try does.
            const bool esiste = errno == EEXIST || QFileInfo::exists(percorso_);
            errore = esiste ? QLockFile::LockFailedError : QLockFile::PermissionError;
            return !esiste && !std::exchange(dubbio_, true) && prova(errore);
        }
        condividiColGruppo(fd, percorso_);
        const bool scritto = ::write(fd, mio_.constData(), mio_.size()) == mio_.size();
        if (::close(fd) != 0 || !scritto) {
            errore = QLockFile::UnknownError;
            QFile::remove(percorso_);
            return false;
        }
        preso_ = true;
        return true;
    }

    bool sgombra() { return osservatore_.abbandonato(percorso_) && QFile::remove(percorso_); }

    static QByteArray leggi(const QString &percorso)
    {
        QFile file(percorso);
        return file.open(QIODevice::ReadOnly) ? file.read(1024) : QByteArray();
    }

private:
    QString percorso_;
    QByteArray mio_;
    Osservatore osservatore_;
    bool preso_ = false;
    bool dubbio_ = false;
};

// Tries until the lock is had, a lock that its holder left behind is
// cleared, or the wait is over.
template <typename Tipo>
std::unique_ptr<Lucchetto> attendi(std::unique_ptr<Tipo> lucchetto, const QString &percorso,
                                   int attesaMassimaMs, QLockFile::LockError &errore)
{
    const QDeadlineTimer scadenza(attesaMassimaMs);
    int pausaMs = 1;
    while (!lucchetto->prova(errore)) {
        if (errore != QLockFile::LockFailedError)
            return nullptr;
        // A folder or a link where the lock goes is no game's lock, and no
        // game can ever take it.
        const QFileInfo info(percorso);
        if (info.isSymLink() || (info.exists() && !info.isFile())) {
            errore = QLockFile::PermissionError;
            return nullptr;
        }
        if (lucchetto->sgombra())
            continue;
        if (scadenza.hasExpired())
            return nullptr;
        QThread::msleep(std::min<qint64>(pausaMs, scadenza.remainingTime()));
        pausaMs = std::min(pausaMs * 2, 50);
    }
    return lucchetto;
}

} // namespace

std::unique_ptr<Lucchetto> prendiLucchetto(const QString &percorso, int attesaMassimaMs,
                                           QLockFile::LockError &errore, bool traComputer)
{
    if (traComputer)
        return attendi(std::make_unique<LucchettoTraComputer>(percorso), percorso, attesaMassimaMs,
                       errore);
    return attendi(std::make_unique<LucchettoQt>(percorso), percorso, attesaMassimaMs, errore);
}
