#include "aiuti.h"
#include "superficie.h"
#include "tavola.h"

#include <QAbstractButton>
#include <QtTest>

// Run with QT_SCALE_FACTOR=2: the window doubles, and every picture is
// drawn from its double-size rendering rather than enlarged.
class TestAltaDensita : public QObject
{
    Q_OBJECT

private slots:
    void figureNitide();
};

void TestAltaDensita::figureNitide()
{
    Banco banco;
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    QCOMPARE(tavola.devicePixelRatio(), 2);

    const QPixmap sfondo = tavola.findChild<QLabel *>("Image1")->pixmap();
    QCOMPARE(sfondo.devicePixelRatio(), 2.0);
    QCOMPARE(sfondo.size(), QSize(1280, 960));
    QCOMPARE(sfondo.deviceIndependentSize(), QSizeF(640, 480));

    for (const char *nome : {"cmdNext", "cmdExit"}) {
        auto *pulsante = tavola.findChild<QAbstractButton *>(nome);
        QCOMPARE(pulsante->icon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    }
    QCOMPARE(tavola.windowIcon().pixmap(QSize(99, 99), 2.0).size(), QSize(198, 198));

    // The gradient is kept at the screen's own pixels too.
    const QImage schermo = tavola.centralWidget()->grab().toImage();
    QCOMPARE(schermo.size(), QSize(669 * 2, 498 * 2));
    QCOMPARE(schermo.pixelColor(8, 402), QColor(60, 0, 100));
}

QTEST_MAIN(TestAltaDensita)
#include "test_alta_densita.moc"
