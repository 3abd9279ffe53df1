#pragma once

#include <QColor>
#include <QPushButton>

// A push button with its picture above its caption on a coloured face, the
// way picture buttons look on the game's big buttons.
class PulsanteImmagine : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QColor sfondo READ sfondo WRITE setSfondo)

public:
    using QPushButton::QPushButton;

    QColor sfondo() const { return sfondo_; }
    void setSfondo(const QColor &colore);

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QColor sfondo_ = QColor(192, 192, 192);
};
