#include "sistema.h"

#include "file.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

bool campanelloSentito(void (*suona)(), int attesaMs); // ascolto_campanello.cpp

// The desktop services the window's tests only ever reach through their
// stand-ins, reached for real once each.
class TestServizi : public QObject
{
    Q_OBJECT

private slots:
    void avviatoreRealeConIsuoiArgomenti();
    void campanelloRealeSuonaNelServerX();
};

// A program found on PATH gets the arguments it was started with, each as
// it was given: xcalc is asked to start minimised this way. One found that
// cannot start is told as a failure, so the pupil hears why nothing opened.
void TestServizi::avviatoreRealeConIsuoiArgomenti()
{
    QTemporaryDir cartella;
    const QString registro = cartella.filePath("argomenti");
    // Written whole, then renamed: the test never reads it half written.
    scrivi(cartella.filePath("xcalc"), "#!/bin/sh\ncd \"$(dirname \"$0\")\"\n"
                                       "printf '%s|' \"$@\" > argomenti.tmp\n"
                                       "mv argomenti.tmp argomenti\n");
    QFile(cartella.filePath("xcalc")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray percorsi = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(cartella.path()) + ":" + percorsi);

    // Found, but it cannot run: its interpreter is gone.
    scrivi(cartella.filePath("kcalc"), "#!/percorso/che/non/esiste\n");
    QFile(cartella.filePath("kcalc")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    AvviatoreQt avviatore;
    const QString trovato = avviatore.trova("xcalc");
    const QString guasto = avviatore.trova("kcalc");
    qputenv("PATH", percorsi);
    QCOMPARE(trovato, cartella.filePath("xcalc"));
    QVERIFY(avviatore.avviaStaccato(trovato, {"-iconic", "due parole", ""}));
    QTRY_VERIFY(QFileInfo::exists(registro));
    QCOMPARE(contenuto(registro), QByteArray("-iconic|due parole||"));
    QCOMPARE(guasto, cartella.filePath("kcalc"));
    QVERIFY(!avviatore.avviaStaccato(guasto, {}));
}

// The bell the game rings at time-up reaches the X server the game runs on.
void TestServizi::campanelloRealeSuonaNelServerX()
{
    if (QGuiApplication::platformName() != "xcb")
        QSKIP("needs an X server: run through tests/sistema/con_x_privato.sh");
    QVERIFY(!campanelloSentito([] {}, 200));
    QVERIFY(campanelloSentito([] { CampanelloQt().suona(); }, 5000));
}

QTEST_MAIN(TestServizi)
#include "test_servizi.moc"
