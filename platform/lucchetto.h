#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Takes the lock file at `percorso`, waiting up to attesaMassimaMs for a
// game that holds it. A lock that a game killed while taking it left behind
// is cleared rather than waited for. Null where it cannot be had, with
// `errore` saying why: LockFailedError when another game kept it past the
// wait, PermissionError or UnknownError where no lock can be made there.
std::unique_ptr<QLockFile> prendiLucchetto(const QString &percorso, int attesaMassimaMs,
                                           QLockFile::LockError &errore);
