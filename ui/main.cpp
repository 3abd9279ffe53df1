#include "tavola.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Tavola tavola;
    tavola.show();
    return app.exec();
}
