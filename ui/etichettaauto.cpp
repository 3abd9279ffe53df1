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
    if (segue_)
        resize((sizeHint() + *scarto_).expandedTo(QSize(1, 1)));
}
