#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <vector>

// The window's own drawing surface, behind every control. What is drawn on
// it is kept, so covering and uncovering the window keeps it; setting the
// background colour wipes the drawings, as clearing does.
class Superficie : public QWidget
{
    Q_OBJECT

public:
    explicit Superficie(QWidget *parent = nullptr);

    void Cls();
    void impostaSfondo(const QColor &colore);
    QColor sfondo() const { return sfondo_; }

    // A horizontal band right across the surface, rows y to y + altezza - 1.
    void banda(int y, int altezza, const QColor &colore);

    // The surface as it would be painted, without the controls.
    QImage aspetto() const;

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    void dipingi(QPainter &p, const QRect &zona) const;

    QColor sfondo_ = Qt::black;
    // Everything drawn since the last clearing, in order: the surface draws
    // only bands, so the bands themselves are its memory, not a picture of
    // the whole window.
    struct Banda
    {
        int y;
        int altezza;
        QColor colore;
    };
    std::vector<Banda> bande_;
};
