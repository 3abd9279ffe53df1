#include "risorse.h"

#include <QLatin1String>

void caricaRisorse()
{
    // The pictures live in the ui library; a static library must ask for
    // its resources by name or the linker drops them.
    Q_INIT_RESOURCE(assets);
}

QPixmap figura(QString nome, QSize lato, qreal densita)
{
    if (densita > 1)
        nome.replace(QLatin1String(".png"), QLatin1String("@2x.png"));
    QPixmap disegno(nome);
    const QSize pixel = lato * densita;
    if (disegno.size() != pixel)
        disegno = disegno.scaled(pixel, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    disegno.setDevicePixelRatio(densita);
    return disegno;
}
