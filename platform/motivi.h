#pragma once

#include <QFileDevice>
#include <QString>

// Why a file could not be had, in the words a teacher reads after "perché":
// from the system's error number, or from what Qt says of a file it opened.
QString motivoDaErrno(int codice);
QString motivoDaFile(const QFileDevice &file);

// A file that could not be read, written or moved: which one, and why.
struct GuastoFile
{
    QString percorso;
    QString motivo;
};
