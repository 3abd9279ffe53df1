#include "dialoghi.h"
#include "sistema.h"
#include "tavola.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    DialoghiQt dialoghi;
    AvviatoreQt avviatore;
    UscitaQt uscita;
    CampanelloQt campanello;
    Tavola tavola(Servizi{dialoghi, avviatore, uscita, campanello});
    tavola.show();
    return app.exec();
}
