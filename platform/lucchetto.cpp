#include "lucchetto.h"

#include "classe.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

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

} // namespace

std::unique_ptr<QLockFile> prendiLucchetto(const QString &percorso, int attesaMassimaMs,
                                           QLockFile::LockError &errore, bool traComputer)
{
    auto lucchetto = std::make_unique<QLockFile>(percorso);
    // Qt's stale age compares the file's time with this computer's clock.
    if (traComputer)
        lucchetto->setStaleLockTime(0);
    Osservatore osservatore;
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
        if (!traComputer && lucchettoAbbandonato(percorso) && lucchetto->removeStaleLockFile())
            continue;
        if (traComputer && osservatore.abbandonato(percorso) && QFile::remove(percorso))
            continue;
        if (scadenza.hasExpired())
            return nullptr;
        QThread::msleep(std::min<qint64>(pausaMs, scadenza.remainingTime()));
        pausaMs = std::min(pausaMs * 2, 50);
    }
    // Another pupil must be able to read whose it is, and clear it.
    if (traComputer) {
        QFile file(percorso);
        if (file.open(QIODevice::ReadOnly))
            condividiColGruppo(file.handle(), percorso);
    }
    return lucchetto;
}
