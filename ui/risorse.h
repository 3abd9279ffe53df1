#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// Makes the pictures, pointers and icon built into the ui library reachable
// by their ":/" names. Once per program is enough.
void caricaRisorse();

// A picture at the screen's pixel density: the @2x drawing on a dense
// screen, so nothing is a blurred enlargement. Only the drawing that is
// shown is decoded.
QPixmap figura(QString nome, QSize lato, qreal densita);
