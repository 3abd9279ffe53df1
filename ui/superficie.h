#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// The window's own drawing surface, behind every control. What is drawn on
// it is kept in a back buffer, so covering and uncovering the window keeps
// it; setting the background colour wipes the drawings, as clearing does.
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
    void resizeEvent(QResizeEvent *evento) override;

private:
    QColor sfondo_ = Qt::black;
    QImage disegni_;
};
