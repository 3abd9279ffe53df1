#pragma once

#include <QString>

// A record file that cannot be read or written; the message says which file
// and why, in words a teacher can act on.
struct ErroreRecord
{
    QString messaggio;
};

// The data folder: the user's data folder followed by "zeffirano/", created
// when missing, ending in "/".
QString GetSystemDir();

// The whole content of a record file, line end and all, decoded from
// Windows-1252. Throws ErroreRecord for a file that is missing, is not a
// regular file (a folder, a pipe, a device), is larger than any record, or
// cannot be read; reading never blocks and never changes the file.
QString Leggifiletxt(const QString &nomefile);

// The two record files in the data folder.
class ArchivioRecord
{
public:
    explicit ArchivioRecord(const QString &PercorsoDati);

    QString percorsoPunteggio() const;
    QString percorsoNome() const;

    // Creates each file empty when it is missing; one that exists, whatever
    // it is, is left alone. Throws ErroreRecord when one cannot be created.
    void creaSeMancano() const;

    // Saves the score and its holder's name when the score beats the one
    // stored in the file now; returns whether it did. The comparison and the
    // writing happen under a lock, so two games cannot lose each other's
    // record, and both files are written in full before either replaces the
    // old one: on any failure the old record stays as it was and
    // ErroreRecord says why.
    bool salvaSeBattuto(const QString &punteggio, const QString &nome,
                        int attesaMassimaMs = 5000) const;

private:
    QString cartella_;
};
