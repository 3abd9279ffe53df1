#include "localita.h"

#include <QtTest>

class TestLocalita : public QObject
{
    Q_OBJECT

private slots:
    void separatore_data();
    void separatore();
};

void TestLocalita::separatore_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("codice");

    QTest::newRow("Italian comma") << QLocale(QLocale::Italian, QLocale::Italy) << 44;
    QTest::newRow("English full stop") << QLocale(QLocale::English, QLocale::UnitedStates) << 46;
    QTest::newRow("C") << QLocale::c() << 46;
    // Written with a character the single-byte code page cannot hold.
    QTest::newRow("Arabic momayyez") << QLocale(QLocale::Arabic, QLocale::Egypt) << 46;
}

void TestLocalita::separatore()
{
    QFETCH(QLocale, locale);
    QFETCH(int, codice);
    if (QTest::currentDataTag() == QByteArray("Arabic momayyez"))
        QVERIFY2(locale.decimalPoint().at(0).unicode() > 0xFF, "the case needs a wide separator");
    QCOMPARE(SeparatoreDecimali(locale), codice);
}

QTEST_GUILESS_MAIN(TestLocalita)
#include "test_localita.moc"
