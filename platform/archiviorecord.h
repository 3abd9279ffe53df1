#pragma once

#include "lucchetto.h"

#include <QString>

#include <memory>

class CoppiaDiFile;

// A record file that cannot be read or written; the message says which file
// and why, in words a teacher can act on.
struct ErroreRecord
{
    QString messaggio;
};

// How long a game waits for another that is saving the record.
constexpr int AttesaLucchetto = 5000;

// The data folder, ending in "/": the class folder of the pupil's class
// where the administrator named one, otherwise the user's data folder
// followed by "zeffirano/", created when missing.
QString GetSystemDir();

// The whole content of a record file, line end and all, decoded from
// Windows-1252. Throws ErroreRecord for a file that is missing, is not a
// regular file (a folder, a pipe, a device), is larger than any record, or
// cannot be read; reading never blocks and never changes the file.
QString Leggifiletxt(const QString &nomefile);

// The record as its two files hold it, line ends and all.
struct Record
{
    QString punteggio;
    QString nome;
};

// The two record files in the data folder: what is read from them, when a
// score is saved, and what a teacher is told when a file cannot be had. The
// writing itself, whole or not at all, is CoppiaDiFile's.
class ArchivioRecord
{
public:
    // delGruppo: a class folder, shared by the pupils of a group on one
    // computer or many; what the game creates there is the group's.
    explicit ArchivioRecord(const QString &PercorsoDati, bool delGruppo = false);

    QString percorsoPunteggio() const;
    QString percorsoNome() const;
    QString percorsoLucchetto() const;
    bool delGruppo() const { return delGruppo_; }

    // Creates each file empty when it is missing; one that exists, whatever
    // it is, is left alone. Throws ErroreRecord when one cannot be created.
    void creaSeMancano() const;

    // Takes the lock the saves take, so that both files read while it is
    // held come from one save. A save that a killed game left half done is
    // finished first, or thrown away when it had not yet counted. Null where
    // no lock file can be made (a folder that cannot be written, where no
    // game can save either). Throws ErroreRecord when another game keeps the
    // lock past the wait, or a save left half done cannot be finished.
    [[nodiscard]] std::unique_ptr<Lucchetto> blocca(int attesaMassimaMs = AttesaLucchetto) const;

    // The record as a game starting now shows it: both files read under the
    // lock, each created empty when missing. Throws ErroreRecord, saying
    // which file and why, when the lock or a file cannot be had.
    Record leggi(int attesaMassimaMs = AttesaLucchetto) const;

    // Saves the score and its holder's name when the score beats the one
    // stored in the file now; returns whether it did. The comparison and the
    // writing happen under the lock, so two games cannot lose each other's
    // record. Both files are written in full beside the old ones, then a
    // journal is put in place and both are moved over the old pair, each
    // step on the disk before the next: a game killed, or a machine switched
    // off, at any moment leaves either the old pair or a save that the next
    // to take the lock finishes. On a failure before the journal is on the
    // disk the old record stays as it was, and ErroreRecord says why.
    //
    // Where the lock or the score file cannot be had (a folder the pupil may
    // not write, a score file that cannot be read), the score is compared
    // with what can still be known: the score file read without the lock, or
    // else recordMostrato, the record the game showed at start-up. Only a
    // score that beats it, and so is lost, is reported.
    bool salvaSeBattuto(const QString &punteggio, const QString &nome,
                        int attesaMassimaMs = AttesaLucchetto,
                        const QString &recordMostrato = QString()) const;

private:
    CoppiaDiFile coppia() const;

    QString cartella_;
    bool delGruppo_ = false;
};
