#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// A lock, held while it lives.
class Lucchetto
{
public:
    virtual ~Lucchetto() = default;
};

// Takes the lock file at `percorso`, waiting up to attesaMassimaMs for a
// game that holds it. A lock that a game killed while taking it left behind
// is cleared rather than waited for. Null where it cannot be had, with
// `errore` saying why: LockFailedError when another game kept it past the
// wait, PermissionError or UnknownError where no lock can be made there.
// traComputer: a class folder, which games on other computers lock too.
std::unique_ptr<Lucchetto> prendiLucchetto(const QString &percorso, int attesaMassimaMs,
                                           QLockFile::LockError &errore, bool traComputer = false);

// How long a lock left by a computer that crashed or lost power keeps the
// class waiting: well below the wait for the lock, far above any save.
constexpr qint64 AbbandonoTraComputer = 3000;
