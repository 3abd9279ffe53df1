#include "nudo.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

FinestraNuda costruisciFinestraNuda()
{
    auto *finestra = new QMainWindow;
    finestra->setWindowTitle("Zeffirano");
    auto *centro = new QWidget(finestra);
    centro->setFixedSize(669, 498);
    finestra->setCentralWidget(centro);

    auto *menu = finestra->menuBar()->addMenu("&File");
    menu->addAction("&Nuovo");
    menu->addAction("&Esci");
    finestra->menuBar()->addMenu("&Aiuto")->addAction("&Informazioni");

    auto *sfondo = new QLabel(centro);
    sfondo->setGeometry(16, 8, 640, 480);
    sfondo->setPixmap(QPixmap(":/sfondo.png"));

    FinestraNuda nuda{finestra, nullptr, {}};
    // 26 labels, 8 line edits and 5 buttons on a grid over the picture.
    for (int i = 0; i < 39; ++i) {
        const QRect posto(24 + (i % 5) * 128, 16 + (i / 5) * 56, 112, 40);
        QWidget *controllo;
        if (i < 26) {
            auto *etichetta = new QLabel(QString("Etichetta %1").arg(i), centro);
            if (i < 4)
                nuda.etichette[i] = etichetta;
            controllo = etichetta;
        } else if (i < 34) {
            auto *riga = new QLineEdit(centro);
            if (!nuda.riga)
                nuda.riga = riga;
            controllo = riga;
        } else {
            controllo = new QPushButton(QString("Pulsante %1").arg(i), centro);
        }
        controllo->setGeometry(posto);
    }
    return nuda;
}
