#include "lucchetto.h"

#include <QDateTime>
#include <QDeadlineTimer>
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

} // namespace

std::unique_ptr<QLockFile> prendiLucchetto(const QString &percorso, int attesaMassimaMs,
                                           QLockFile::LockError &errore)
{
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
