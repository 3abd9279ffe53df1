#include "dialoghi.h"
#include "sistema.h"
#include "tavola.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    legaAlLanciatore();

    // Qt's own words (Sì, No, Annulla) in Italian like the rest of the game,
    // whatever the system language; numbers and times still follow the
    // user's locale. They come from where the system keeps Qt's
    // translations (Debian's qt6-translations-l10n), to match the Qt in use.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QStringLiteral("qtbase_it"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    DialoghiQt dialoghi;
    AvviatoreQt avviatore;
    UscitaQt uscita;
    CampanelloQt campanello;
    Tavola tavola(Servizi{dialoghi, avviatore, uscita, campanello});
    tavola.show();
    return app.exec();
}
