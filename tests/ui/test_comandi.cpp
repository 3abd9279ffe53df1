#include "aiuti.h"
#include "file.h"
#include "tavola.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString DomandaUscita = QStringLiteral("Vuoi veramente lasciarmi  ?");
const QString MessaggioRecord = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");
const QString Aiuto = QStringLiteral(" devi risolvere così: es 1,5(31) =  [1531-15]/990= 1516/990. "
                                     "Questo è il risultato, non semplificare. Ciao ...e buon "
                                     "lavoro ");

} // namespace

// The menu commands and leaving the game, with scripted dialogs.
class TestComandi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void uscireNo();
    void uscireSiConUnRecord();
    void uscireSiSenzaRecord();
    void uscireSiMaIlFileNonSiScrive();
    void uscireConLaCartellaDiSolaLettura_data();
    void uscireConLaCartellaDiSolaLettura();
    void uscireConAltX();
    void nuovaGaraNo();
    void nuovaGaraSi();
    void aiuto_data();
    void aiuto();
    void calcolatrice_data();
    void calcolatrice();
    void calcolatriceCheNonParte();
    void conversione();

private:
    void rispostaGiusta();
    void premi(const char *azione);

    std::unique_ptr<Banco> banco;
    Tavola *tavola = nullptr;
};

void TestComandi::init()
{
    banco = std::make_unique<Banco>();
    tavola = new Tavola(banco->servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola->show();
    QVERIFY(QTest::qWaitForWindowActive(tavola));
    banco->dialoghi.mostrate.clear();
}

void TestComandi::cleanup()
{
    delete tavola;
    tavola = nullptr;
    // The real ending closes any box still to come: every box of leaving comes first.
    const bool fineInOrdine = banco->uscita.nienteDopoLaFine();
    banco.reset();
    QVERIFY2(fineInOrdine, "a box came after the game was told to end, and would close unseen");
}

void TestComandi::rispostaGiusta()
{
    casella(tavola, "txtAnswer")->setText("34");
    casella(tavola, "Text3")->setText("9");
    casella(tavola, "Text3")->setFocus();
    QTest::keyClick(casella(tavola, "Text3"), Qt::Key_Return);
}

void TestComandi::premi(const char *azione)
{
    auto *a = tavola->findChild<QAction *>(azione);
    QVERIFY(a);
    a->trigger();
}

void TestComandi::uscireNo()
{
    rispostaGiusta();
    QTest::mouseClick(qobject_cast<QAbstractButton *>(controllo(tavola, "cmdExit")),
                      Qt::LeftButton);
    QCOMPARE(banco->dialoghi.mostrate.size(), 1);
    const FinestraMostrata &domanda = banco->dialoghi.mostrate.first();
    QCOMPARE(domanda.testo, DomandaUscita);
    QCOMPARE(domanda.titolo, QStringLiteral("Uscire dal programma"));
    QCOMPARE(domanda.stile, 292);

    QCOMPARE(banco->uscita.volte, 0);
    QVERIFY(!tavola->terminato());
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "risultato"), QStringLiteral("34/9"));
    QVERIFY(!QFileInfo::exists(banco->cartella + "tomvaldrisken.txt") ||
            contenuto(banco->cartella + "tomvaldrisken.txt").isEmpty());
}

void TestComandi::uscireSiConUnRecord()
{
    rispostaGiusta();
    // And one wrong, with the boxes left empty: only right answers are the score.
    tavola->cmdNext_Click();
    QTest::keyClick(casella(tavola, "Text3"), Qt::Key_Return);
    QCOMPARE(testo(tavola, "lblScore") + testo(tavola, "lblScore1") + testo(tavola, "lblScore2"),
             QStringLiteral("112"));
    banco->dialoghi.risposte = {Risposta::Si};
    tavola->cmdExit_Click();

    QCOMPARE(banco->dialoghi.testiMostrati(), QStringList({DomandaUscita, MessaggioRecord}));
    QCOMPARE(banco->dialoghi.mostrate.last().titolo, QStringLiteral("Zeffirano"));
    QCOMPARE(banco->dialoghi.mostrate.last().stile, 0);
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken.txt"), QByteArray("1\r\n"));
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken1.txt"),
             (testo(tavola, "lblnome1") + "\r\n").toLatin1());
    QCOMPARE(banco->uscita.volte, 1);
    QVERIFY(tavola->terminato());
}

void TestComandi::uscireSiSenzaRecord()
{
    QDir().mkpath(banco->cartella);
    QFile punteggio(banco->cartella + "tomvaldrisken.txt");
    QVERIFY(punteggio.open(QIODevice::WriteOnly));
    punteggio.write("1\r\n");
    punteggio.close();

    rispostaGiusta(); // 1, the same as the record
    banco->dialoghi.risposte = {Risposta::Si};
    tavola->cmdExit_Click();

    QCOMPARE(banco->dialoghi.testiMostrati(), QStringList({DomandaUscita}));
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken.txt"), QByteArray("1\r\n"));
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken1.txt"), QByteArray());
    QCOMPARE(banco->uscita.volte, 1);
}

void TestComandi::uscireSiMaIlFileNonSiScrive()
{
    QVERIFY(QFile::remove(banco->cartella + "tomvaldrisken1.txt"));
    QVERIFY(QDir().mkpath(banco->cartella + "tomvaldrisken1.txt"));
    rispostaGiusta();
    banco->dialoghi.risposte = {Risposta::Si};
    tavola->cmdExit_Click();

    QCOMPARE(banco->dialoghi.mostrate.size(), 2);
    const FinestraMostrata &avviso = banco->dialoghi.mostrate.last();
    QVERIFY2(avviso.testo.contains("tomvaldrisken1.txt"), qPrintable(avviso.testo));
    QVERIFY2(avviso.testo.contains("rimasto com'era"), qPrintable(avviso.testo));
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken.txt"), QByteArray());
    // The pupil confirmed leaving: the game still ends.
    QCOMPARE(banco->uscita.volte, 1);
}

void TestComandi::uscireConLaCartellaDiSolaLettura_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("avviso");
    QTest::newRow("below the record: nothing to save") << QByteArray("5\r\n") << false;
    QTest::newRow("a new record that cannot be saved") << QByteArray() << true;
}

void TestComandi::uscireConLaCartellaDiSolaLettura()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, avviso);
    scrivi(banco->cartella + "tomvaldrisken.txt", record);
    rispostaGiusta();
    {
        const CartellaDiSolaLettura chiusa(*banco);
        banco->dialoghi.risposte = {Risposta::Si};
        tavola->cmdExit_Click();
    }
    QCOMPARE(banco->dialoghi.mostrate.size(), avviso ? 2 : 1);
    if (avviso)
        QVERIFY(banco->dialoghi.mostrate.last().testo.contains("rimasto com'era"));
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken.txt"), record);
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken1.txt"), QByteArray());
    QCOMPARE(banco->uscita.volte, 1);
}

void TestComandi::uscireConAltX()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(banco->dialoghi.testiMostrati(), QStringList({DomandaUscita}));
    QCOMPARE(banco->uscita.volte, 0);
}

void TestComandi::nuovaGaraNo()
{
    rispostaGiusta();
    premi("Next");
    QCOMPARE(banco->dialoghi.mostrate.size(), 1);
    QCOMPARE(banco->dialoghi.mostrate.first().testo, QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"));
    QCOMPARE(banco->dialoghi.mostrate.first().titolo, QStringLiteral("INIZIARE NUOVA GARA"));
    QCOMPARE(banco->dialoghi.mostrate.first().stile, 292);
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "lblMessage"), QStringLiteral("Esatto!! "));
    QVERIFY(controllo(tavola, "cmdNext")->isEnabled());
}

void TestComandi::nuovaGaraSi()
{
    rispostaGiusta();
    rispostaGiusta(); // counted once
    banco->dialoghi.risposte = {Risposta::Si};
    premi("Next");

    // Every control afresh, once, and a new exercise on screen.
    QCOMPARE(tavola->findChildren<QWidget *>("txtAnswer").size(), 1);
    QCOMPARE(tavola->findChildren<QAction *>("Next").size(), 1);
    QVERIFY(tavola->isVisible());
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("0"));
    QCOMPARE(testo(tavola, "lblScore2"), QStringLiteral("0"));
    QCOMPARE(testo(tavola, "lblMessage"), QString());
    QCOMPARE(testo(tavola, "risultato"), QStringLiteral("34/9"));
    QVERIFY(!controllo(tavola, "cmdNext")->isEnabled());

    // The counters start from nothing, and the new controls work.
    QVERIFY(QTest::qWaitForWindowActive(tavola));
    rispostaGiusta();
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "lblScore2"), QStringLiteral("1"));
    banco->dialoghi.mostrate.clear();
    premi("HELP");
    QCOMPARE(banco->dialoghi.mostrate.size(), 1);
}

void TestComandi::aiuto_data()
{
    QTest::addColumn<QString>("nome");
    QTest::newRow("no name") << QString();
    QTest::newRow("a name") << QStringLiteral("Ada");
}

void TestComandi::aiuto()
{
    QFETCH(QString, nome);
    tavola->findChild<QLabel *>("lblnome1")->setText(nome);
    premi("HELP");
    QCOMPARE(banco->dialoghi.mostrate.size(), 1);
    QCOMPARE(banco->dialoghi.mostrate.first().testo, nome + Aiuto);
    QCOMPARE(banco->dialoghi.mostrate.first().titolo, QStringLiteral("Zeffirano"));
    QCOMPARE(banco->dialoghi.mostrate.first().stile, 0);
}

void TestComandi::calcolatrice_data()
{
    QTest::addColumn<QStringList>("installate");
    QTest::addColumn<QString>("avviata");
    QTest::addColumn<QStringList>("argomenti");

    QTest::newRow("gnome first") << QStringList({"xcalc", "gnome-calculator"})
                                 << "/usr/bin/gnome-calculator" << QStringList();
    QTest::newRow("mate") << QStringList({"mate-calc"}) << "/usr/bin/mate-calc" << QStringList();
    QTest::newRow("xcalc iconified")
        << QStringList({"xcalc"}) << "/usr/bin/xcalc" << QStringList({"-iconic"});
}

void TestComandi::calcolatrice()
{
    QFETCH(QStringList, installate);
    QFETCH(QString, avviata);
    QFETCH(QStringList, argomenti);
    for (const QString &programma : installate)
        banco->avviatore.installati[programma] = "/usr/bin/" + programma;

    premi("calc");
    premi("calc"); // each choice starts one again
    QCOMPARE(banco->avviatore.avviati.size(), 2);
    QCOMPARE(banco->avviatore.avviati.first().first, avviata);
    QCOMPARE(banco->avviatore.avviati.first().second, argomenti);
    QVERIFY(banco->dialoghi.mostrate.isEmpty());
    QCOMPARE(banco->uscita.volte, 0);
}

void TestComandi::calcolatriceCheNonParte()
{
    premi("calc");
    QCOMPARE(banco->dialoghi.mostrate.size(), 1);
    QVERIFY(banco->dialoghi.mostrate.first().testo.contains("non ho trovato una calcolatrice"));

    banco->avviatore.installati["kcalc"] = "/usr/bin/kcalc";
    banco->avviatore.riesce = false;
    premi("calc");
    QCOMPARE(banco->dialoghi.mostrate.size(), 2);
    QVERIFY(banco->dialoghi.mostrate.last().testo.contains("/usr/bin/kcalc"));
    QCOMPARE(banco->uscita.volte, 0);
    QVERIFY(tavola->isVisible());
}

void TestComandi::conversione()
{
    rispostaGiusta();
    const QStringList prima = {testo(tavola, "lblScore"), testo(tavola, "lblScore1"),
                               testo(tavola, "lblScore2"), testo(tavola, "lblMessage")};
    auto *pulsante = qobject_cast<QAbstractButton *>(controllo(tavola, "Command1"));
    for (int volta = 0; volta < 2; ++volta) {
        pulsante->setFocus();
        QTest::keyClick(pulsante, Qt::Key_Space);
        QCOMPARE(testo(tavola, "lblNum2"), QStringLiteral("3"));
    }
    QVERIFY(!controllo(tavola, "lblNum2")->isVisible());
    QCOMPARE(QStringList({testo(tavola, "lblScore"), testo(tavola, "lblScore1"),
                          testo(tavola, "lblScore2"), testo(tavola, "lblMessage")}),
             prima);
    // A new exercise leaves it as it was.
    tavola->cmdNext_Click();
    QCOMPARE(testo(tavola, "lblNum2"), QStringLiteral("3"));
}

QTEST_MAIN(TestComandi)
#include "test_comandi.moc"
