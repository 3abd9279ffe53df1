#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class ArchivioRecord;

// One race as the teacher's log keeps it.
struct Arrivo
{
    QDateTime quando; // local time
    QString computer;
    QString nome; // as the pupil typed it
    int esatte = 0;
    int errate = 0;
    int totale = 0;
};

// The log's name in the class folder. The game only ever adds to it.
inline const QString FileRegistro = QStringLiteral("gare.csv");

// The log's first bytes: a byte-order mark, so that spreadsheets read the
// accents, and the header row.
QByteArray intestazioneRegistro();

// One line of the log: ";" between fields as Italian spreadsheets expect,
// a field that holds ";", quotes or a line end put between quotes.
QByteArray rigaRegistro(const Arrivo &arrivo);

// Adds the race to the log in the class folder, under the lock that the
// record's saves take, as one write that is on the disk before the lock
// goes: lines from many computers never mix, and none is lost. Returns
// false when the log cannot be written.
bool aggiungiAlRegistro(const ArchivioRecord &archivio, const Arrivo &arrivo, int attesaMassimaMs);
