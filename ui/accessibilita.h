#pragma once

#include <QString>

class QWidget;

// Screen readers read a label by its name, and a label given a name of its
// own no longer shows its text to them. The labels that hold a value (the
// digits, the counters, the clock, the names) carry their heading in the
// dynamic property "titolo"; this makes their accessible name the heading
// followed by the value as a voice should say it, "Risposte esatte 3", kept
// up to date as it changes. An empty value reads as the label's "vuota"
// text, or as nothing: such a label is never hidden from readers, who keep
// what they were told and would go on leaving it out once it has a value. Controls marked
// "soloVisiva" (the picture, the bars, the headings the values already
// carry) are drawn for the eye only and hidden from readers.
void registraEtichetteAccessibili();

// A value as a voice should say it: a clock's "00:14:07" as minutes and
// seconds, a fraction's "/" as "fratto", and no ":" or "!!", which Orca's
// voice spells out or drops.
QString testoDaDire(const QString &testo);

// Orca speaks the name, role and description of the control that takes the
// focus, and Qt before 6.8 has no other way to make it speak: what just
// happened is put before the control's own help in its description, just
// before the focus moves to it. An empty fatto gives the help back alone.
// From Qt 6.8 it is an announcement instead: Orca 48 reads a description
// from its cache, as it was when the control first took the focus.
void annuncia(QWidget *controllo, const QString &fatto);
