#include "superficie.h"

#include <QPainter>
#include <QResizeEvent>

Superficie::Superficie(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Superficie::Cls()
{
    disegni_.fill(Qt::transparent);
    update();
}

void Superficie::impostaSfondo(const QColor &colore)
{
    sfondo_ = colore;
    Cls();
}

void Superficie::banda(int y, int altezza, const QColor &colore)
{
    if (disegni_.isNull())
        return;
    QPainter p(&disegni_);
    p.fillRect(QRect(0, y, width(), altezza), colore);
    update(QRect(0, y, width(), altezza));
}

QImage Superficie::aspetto() const
{
    QImage immagine(size(), QImage::Format_RGB32);
    immagine.fill(sfondo_);
    QPainter p(&immagine);
    p.drawImage(rect(), disegni_);
    return immagine;
}

void Superficie::paintEvent(QPaintEvent *evento)
{
    QPainter p(this);
    p.fillRect(evento->rect(), sfondo_);
    p.drawImage(rect(), disegni_);
}

void Superficie::resizeEvent(QResizeEvent *evento)
{
    // Keep what was drawn; the buffer follows the surface's device pixels.
    const qreal dpr = devicePixelRatioF();
    QImage nuovo(evento->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    nuovo.setDevicePixelRatio(dpr);
    nuovo.fill(Qt::transparent);
    if (!disegni_.isNull()) {
        QPainter p(&nuovo);
        p.drawImage(QPoint(0, 0), disegni_);
    }
    disegni_ = nuovo;
    QWidget::resizeEvent(evento);
}
