#include "tastiera.h"

#include <QKeyEvent>

int codiceCarattere(const QKeyEvent &evento)
{
    if (evento.modifiers() & Qt::AltModifier)
        return -1;

    // With Ctrl held, Enter types a line feed and Backspace a delete, as on
    // the desktop the game was born on.
    const bool ctrl = evento.modifiers() & Qt::ControlModifier;
    switch (evento.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ctrl ? 10 : 13;
    case Qt::Key_Backspace:
        return ctrl ? 127 : 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return -1;
    default:
        break;
    }

    if (ctrl && evento.key() >= Qt::Key_A && evento.key() <= Qt::Key_Z)
        return evento.key() - Qt::Key_A + 1;

    const QString testo = evento.text();
    if (testo.isEmpty())
        return -1;
    return testo.at(0).unicode();
}
