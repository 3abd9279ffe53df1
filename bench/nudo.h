#pragma once

class QLabel;
class QLineEdit;
class QMainWindow;

// A window of the game's size and make-up built with nothing but Qt: a
// 640 x 480 picture, forty labels, line edits and buttons at fixed places
// and a menu bar. What the game costs above it is the game's own.
struct FinestraNuda
{
    QMainWindow *finestra; // owned by the caller
    QLineEdit *riga;       // a line edit, for keys
    QLabel *etichette[4];  // labels a handler may relabel
};

FinestraNuda costruisciFinestraNuda();
