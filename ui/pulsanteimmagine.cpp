#include "pulsanteimmagine.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

void PulsanteImmagine::setSfondo(const QColor &colore)
{
    sfondo_ = colore;
    update();
}

void PulsanteImmagine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool premuto = isDown() || isChecked();
    p.fillRect(rect(), sfondo_);
    QPalette bordo = palette();
    bordo.setColor(QPalette::Button, sfondo_);
    qDrawWinButton(&p, rect(), bordo, premuto);

    // A pressed button moves its face one pixel down and right.
    const int spinta = premuto ? 1 : 0;
    const QSize lato = iconSize();
    const int altezzaTesto = fontMetrics().height();
    const int spazio = 2;
    const int alto = (height() - lato.height() - spazio - altezzaTesto) / 2 + spinta;

    const QIcon::Mode modo = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap figura = icon().pixmap(lato, devicePixelRatioF(), modo);
    p.drawPixmap(QPoint((width() - lato.width()) / 2 + spinta, alto), figura);

    const QRect zonaTesto(spinta, alto + lato.height() + spazio, width(), altezzaTesto);
    style()->drawItemText(&p, zonaTesto, Qt::AlignHCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = rect().adjusted(4, 4, -4, -4);
        fuoco.backgroundColor = sfondo_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fuoco, &p, this);
    }
}
