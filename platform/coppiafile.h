#pragma once

#include "motivi.h"

#include <QByteArray>
#include <QString>

// The raw bytes of a file of at most DimensioneMassimaRecord bytes. Throws
// GuastoFile for a file that is missing, is not a regular file (a folder, a
// pipe, a device), is larger, or cannot be read; reading never blocks and
// never changes the file.
QByteArray leggiByte(const QString &percorso);

// Two files that change together and are never seen torn: a reader finds
// either the old pair or the new one, whenever a process writing them was
// killed or the machine switched off. Each file that is a link keeps its
// link; the file it points to gets the new content.
//
// Not a lock: whoever writes or completes the pair holds one meanwhile.
class CoppiaDiFile
{
public:
    // The journal is the file whose arrival on the disk makes a write count.
    // Files written for a class folder are made the class's (delGruppo).
    CoppiaDiFile(const QString &primo, const QString &secondo, const QString &giornale,
                 bool delGruppo = false);

    // Finishes a write that a killed process left after it counted, or
    // throws away one that had not yet counted. Throws GuastoFile when what
    // is waiting cannot be moved into place; the next try goes on from there.
    void completa() const;

    // Writes both contents in full beside the old pair, each on the disk
    // before the next step, then puts the journal in place: from then on the
    // write counts, and completa() moves the new pair over the old one. On
    // GuastoFile the write never counted and the old pair is as it was.
    void scrivi(const QByteArray &primo, const QByteArray &secondo) const;

private:
    QString primo_;
    QString secondo_;
    QString giornale_;
    bool delGruppo_ = false;
};
