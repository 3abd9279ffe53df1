#include "superficie.h"

#include <QPainter>
#include <QPaintEvent>

Superficie::Superficie(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Superficie::Cls()
{
    bande_.clear();
    update();
}

void Superficie::impostaSfondo(const QColor &colore)
{
    sfondo_ = colore;
    Cls();
}

void Superficie::banda(int y, int altezza, const QColor &colore)
{
    bande_.push_back({y, altezza, colore});
    update(QRect(0, y, width(), altezza));
}

void Superficie::dipingi(QPainter &p, const QRect &zona) const
{
    p.fillRect(zona, sfondo_);
    for (const Banda &b : bande_) {
        const QRect riga = QRect(0, b.y, width(), b.altezza) & zona;
        if (!riga.isEmpty())
            p.fillRect(riga, b.colore);
    }
}

QImage Superficie::aspetto() const
{
    QImage immagine(size(), QImage::Format_RGB32);
    QPainter p(&immagine);
    dipingi(p, rect());
    return immagine;
}

void Superficie::paintEvent(QPaintEvent *evento)
{
    QPainter p(this);
    dipingi(p, evento->rect());
}
