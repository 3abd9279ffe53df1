#include "etichettaauto.h"

void EtichettaAuto::seguiTesto()
{
    segue_ = true;
}

void EtichettaAuto::setText(const QString &testo)
{
    if (segue_ && !scarto_)
        scarto_ = size() - sizeHint(); // the form's text is still in place
    QLabel::setText(testo);
    if (!segue_)
        return;
    // The form may draw a label a little narrower than Qt wants for its first
    // text (an empty name in its frame): such a margin would cut the last
    // letter of every later text, so a text gets at least what it needs.
    QSize dimensione = sizeHint() + *scarto_;
    if (!testo.isEmpty())
        dimensione = dimensione.expandedTo(sizeHint());
    resize(dimensione.expandedTo(QSize(1, 1)));
}
