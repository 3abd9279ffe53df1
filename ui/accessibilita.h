#pragma once

// Screen readers read a label by its name, and a label given a name of its
// own no longer shows its text to them. The labels that hold a value (the
// digits, the counters, the clock, the names) carry their heading in the
// dynamic property "titolo"; this makes their accessible name the heading
// followed by the value, "Risposte esatte: 3", kept up to date as it changes.
// The other labels on the window are named as Qt names them.
void registraEtichetteAccessibili();
