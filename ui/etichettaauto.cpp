#include "etichettaauto.h"

void EtichettaAuto::seguiTesto()
{
    scarto_ = size() - sizeHint();
    segue_ = true;
}

void EtichettaAuto::setText(const QString &testo)
{
    QLabel::setText(testo);
    if (segue_)
        resize((sizeHint() + scarto_).expandedTo(QSize(1, 1)));
}
