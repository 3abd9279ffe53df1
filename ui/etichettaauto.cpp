#include "etichettaauto.h"

#include <QEvent>

void EtichettaAuto::seguiTesto()
{
    segue_ = true;
    adattato_ = text();
    // A text QLabel::setText changes asks the parent for a new layout, in
    // an event that comes before the window is painted again.
    if (parentWidget())
        parentWidget()->installEventFilter(this);
}

void EtichettaAuto::setText(const QString &testo)
{
    if (segue_ && !scarto_)
        scarto_ = size() - sizeHint(); // the form's text is still in place
    QLabel::setText(testo);
    adatta();
}

bool EtichettaAuto::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (evento->type() == QEvent::LayoutRequest)
        raggiungiTesto();
    return QLabel::eventFilter(oggetto, evento);
}

// A hidden window's labels ask nothing of their parent.
void EtichettaAuto::showEvent(QShowEvent *evento)
{
    QLabel::showEvent(evento);
    raggiungiTesto();
}

void EtichettaAuto::raggiungiTesto()
{
    if (text() != adattato_)
        adatta();
}

void EtichettaAuto::adatta()
{
    if (!segue_)
        return;
    if (!scarto_) {
        // The margin the form left around its own text, which a write
        // through QLabel has already replaced.
        const QString nuovo = text();
        QLabel::setText(adattato_);
        scarto_ = size() - sizeHint();
        QLabel::setText(nuovo);
    }
    adattato_ = text();
    // The form may draw a label a little narrower than Qt wants for its first
    // text (an empty name in its frame): such a margin would cut the last
    // letter of every later text, so a text gets at least what it needs.
    QSize dimensione = sizeHint() + *scarto_;
    if (!adattato_.isEmpty())
        dimensione = dimensione.expandedTo(sizeHint());
    resize(dimensione.expandedTo(QSize(1, 1)));
}
