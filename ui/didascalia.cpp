// The window's caption: the game's name while it is on screen, a time
// while it is minimised.

#include "tavola.h"

#include "dialoghi.h"
#include "orologio.h"

#include <QLocale>
#include <QResizeEvent>

void Tavola::resizeEvent(QResizeEvent *evento)
{
    QMainWindow::resizeEvent(evento);
    Form_Resize();
}

void Tavola::changeEvent(QEvent *evento)
{
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void Tavola::Form_Resize()
{
    if (windowState() & Qt::WindowMinimized)
        MostraTempo();
    else
        setWindowTitle(TitoloProgramma);
}

// Minimised, the task bar shows the time of day that the seconds left make
// when read as days: always midnight.
void Tavola::MostraTempo()
{
    const QLocale locale = QLocale::system();
    setWindowTitle(QString::fromStdString(oraMedia(
        orologio.TempoRestante, locale.amText().toStdString(), locale.pmText().toStdString())));
}
