// Qt's floor for the game's main window: the bare window of nudo.h, shown.
#include "nudo.h"

#include <QApplication>
#include <QMainWindow>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> finestra(costruisciFinestraNuda().finestra);
    finestra->show();
    return app.exec();
}
