#include "aiuti.h"
#include "file.h"
#include "tavola.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QtTest>

namespace {

const QString Domanda = QStringLiteral("Vuoi veramente lasciarmi  ?");

QTimer *timer(Tavola *t)
{
    return t->findChild<QTimer *>("Timer1");
}

} // namespace

// Start-up, the countdown and the caption; ticks are driven by hand.
class TestGara : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void avvio();
    void avvioSenzaNome();
    void orologioFermoDuranteIlNome();
    void recordMostrato();
    void fileDelRecordIlleggibile();
    void unSecondo();
    void secondiVeri();
    void novecentoSecondi();
    void tempoScadutoRifiutandoDueVolte();
    void tempoScadutoConfermando();
    void nessunaDomandaSopraUnAltra();
    void nuovaGara();
    void titolo();

private:
    // Loads and shows the window with the given name typed at the prompt.
    void avvia(const QString &nome = QStringLiteral("Ada"));
    void ticchetta(int volte);

    std::unique_ptr<Banco> banco;
    Tavola *tavola = nullptr;
};

void TestGara::init()
{
    banco = std::make_unique<Banco>();
}

void TestGara::cleanup()
{
    delete tavola;
    tavola = nullptr;
    // The real ending closes any box still to come: every box of leaving comes first.
    const bool fineInOrdine = banco->uscita.nienteDopoLaFine();
    banco.reset();
    QVERIFY2(fineInOrdine, "a box came after the game was told to end, and would close unseen");
}

void TestGara::avvia(const QString &nome)
{
    banco->dialoghi.testi = {nome};
    tavola = new Tavola(banco->servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola->show();
    QVERIFY(QTest::qWaitForWindowExposed(tavola));
}

void TestGara::ticchetta(int volte)
{
    for (int i = 0; i < volte; ++i)
        tavola->Timer1_Timer();
}

void TestGara::avvio()
{
    avvia("Ada");
    const auto &m = banco->dialoghi.mostrate;
    QCOMPARE(m.size(), 2);
    QVERIFY(m[0].domandaDiTesto);
    QCOMPARE(m[0].testo, QStringLiteral("Come ti chiami?"));
    QCOMPARE(m[0].titolo, QStringLiteral("Zeffirano"));
    QCOMPARE(m[1].testo, QStringLiteral(" Ada vediamo se sei un vero campione  "));
    QCOMPARE(m[1].stile, 0);
    QCOMPARE(m[1].titolo, QStringLiteral("Zeffirano"));

    QCOMPARE(testo(tavola, "lblnome1"), QStringLiteral("Ada"));
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:15:00"));
    QCOMPARE(tavola->tempoRestante(), 900);
    QVERIFY(timer(tavola)->isActive());
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("0"));
    QCOMPARE(testo(tavola, "lblScore1"), QStringLiteral("0"));
    // First run: both files created empty, and no record shown.
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken.txt"), QByteArray());
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken1.txt"), QByteArray());
    QCOMPARE(testo(tavola, "lblpunti"), QString());
    QCOMPARE(testo(tavola, "lblnome"), QString());
    // And the first exercise is on screen.
    QCOMPARE(testo(tavola, "risultato"), QStringLiteral("34/9"));
}

void TestGara::avvioSenzaNome()
{
    avvia(QString());
    QCOMPARE(banco->dialoghi.mostrate[1].testo,
             QStringLiteral("  vediamo se sei un vero campione  "));
    QCOMPARE(testo(tavola, "lblnome1"), QString());
    QCOMPARE(testo(tavola, "risultato"), QStringLiteral("34/9"));
}

void TestGara::orologioFermoDuranteIlNome()
{
    QList<bool> attivo;
    QObject *finestra = nullptr;
    banco->dialoghi.mentreAperta = [&](const FinestraMostrata &) {
        for (QObject *o : QApplication::topLevelWidgets())
            if (auto *t = qobject_cast<Tavola *>(o))
                finestra = t;
        attivo << (finestra && finestra->findChild<QTimer *>("Timer1")->isActive());
    };
    avvia("Ada");
    QCOMPARE(attivo, QList<bool>({false, false}));
}

void TestGara::recordMostrato()
{
    scrivi(banco->cartella + "tomvaldrisken.txt", "12\r\n");
    scrivi(banco->cartella + "tomvaldrisken1.txt", "Niccol\xF2\r\n");
    avvia();
    QCOMPARE(testo(tavola, "lblpunti"), QStringLiteral("12\r\n"));
    QCOMPARE(testo(tavola, "lblnome"), QStringLiteral("Niccolò\r\n"));
}

void TestGara::fileDelRecordIlleggibile()
{
    scrivi(banco->cartella + "tomvaldrisken1.txt", "Ada\r\n");
    QVERIFY(QDir().mkpath(banco->cartella + "tomvaldrisken.txt"));
    // The warning stays open for twelve ticks: none of them counts.
    banco->dialoghi.mentreAperta = [](const FinestraMostrata &f) {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *t = qobject_cast<Tavola *>(w); t && f.stile == Stile::Avviso)
                for (int i = 0; i < 12; ++i)
                    t->Timer1_Timer();
    };
    avvia("Bea");

    QCOMPARE(banco->dialoghi.mostrate.size(), 3);
    const FinestraMostrata &avviso = banco->dialoghi.mostrate[2];
    QVERIFY2(avviso.testo.contains(banco->cartella + "tomvaldrisken.txt"),
             qPrintable(avviso.testo));
    QVERIFY2(avviso.testo.contains("cartella"), qPrintable(avviso.testo));
    QCOMPARE(testo(tavola, "lblpunti"), QString());
    QCOMPARE(testo(tavola, "lblnome"), QString());
    // The race goes on, and nothing was touched.
    QCOMPARE(testo(tavola, "risultato"), QStringLiteral("34/9"));
    QVERIFY(timer(tavola)->isActive());
    QVERIFY(QFileInfo(banco->cartella + "tomvaldrisken.txt").isDir());
    QCOMPARE(contenuto(banco->cartella + "tomvaldrisken1.txt"), QByteArray("Ada\r\n"));

    // The race starts whole: the clock and the seconds left reach zero together.
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:15:00"));
    QCOMPARE(tavola->tempoRestante(), 900);
    ticchetta(900);
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:00:00"));
    QCOMPARE(tavola->tempoRestante(), 0);
}

void TestGara::unSecondo()
{
    avvia();
    ticchetta(1);
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:14:59"));
    QCOMPARE(tavola->tempoRestante(), 899);
}

// The clock left to itself: what it shows goes down by the seconds that
// really passed, within one tick.
void TestGara::secondiVeri()
{
    avvia();
    QElapsedTimer trascorso;
    trascorso.start();
    QTest::qWait(3500);
    const QTime mostrato = QTime::fromString(testo(tavola, "lblconto"), "hh:mm:ss");
    const int contati = 900 - QTime(0, 0).secsTo(mostrato);
    const qint64 passati = trascorso.elapsed() / 1000;
    QVERIFY2(contati >= passati - 1 && contati <= passati + 1,
             qPrintable(QStringLiteral("%1 s passed, the clock counted %2")
                            .arg(passati)
                            .arg(contati)));
}

void TestGara::novecentoSecondi()
{
    avvia();
    banco->dialoghi.mostrate.clear();
    ticchetta(900);
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:00:00"));
    QCOMPARE(tavola->tempoRestante(), 0);
    QVERIFY(banco->dialoghi.mostrate.isEmpty());
    QVERIFY(timer(tavola)->isActive());
}

void TestGara::tempoScadutoRifiutandoDueVolte()
{
    avvia();
    ticchetta(900);
    banco->dialoghi.mostrate.clear();
    ticchetta(1);
    QCOMPARE(banco->dialoghi.testiMostrati(),
             QStringList({Domanda, QStringLiteral("Tempo scaduto"), Domanda}));
    QCOMPARE(banco->dialoghi.mostrate[1].titolo, QStringLiteral("Zeffirano"));
    QCOMPARE(banco->dialoghi.mostrate[1].stile, 0);
    QVERIFY(!timer(tavola)->isActive());
    QCOMPARE(banco->campanello.volte, 1);
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:00:00"));
    QCOMPARE(banco->uscita.volte, 0);

    // The pupil may go on answering.
    casella(tavola, "txtAnswer")->setText("34");
    casella(tavola, "Text3")->setText("9");
    casella(tavola, "Text3")->setFocus();
    QTest::keyClick(casella(tavola, "Text3"), Qt::Key_Return);
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("1"));
}

void TestGara::tempoScadutoConfermando()
{
    avvia();
    ticchetta(900);
    banco->dialoghi.mostrate.clear();
    banco->dialoghi.risposte = {Risposta::Si};
    ticchetta(1);
    QCOMPARE(banco->dialoghi.testiMostrati(), QStringList({Domanda}));
    QCOMPARE(banco->uscita.volte, 1);
    QCOMPARE(banco->campanello.volte, 0);
}

void TestGara::nessunaDomandaSopraUnAltra()
{
    avvia();
    ticchetta(899);
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:00:01"));
    banco->dialoghi.mostrate.clear();

    // The pupil presses Exit with one second left and thinks it over while
    // the clock runs out: the clock's own question waits.
    int annidate = 0;
    banco->dialoghi.mentreAperta = [&](const FinestraMostrata &) {
        if (annidate++ == 0)
            ticchetta(3);
    };
    tavola->cmdExit_Click();
    banco->dialoghi.mentreAperta = nullptr;
    QCOMPARE(banco->dialoghi.testiMostrati(), QStringList({Domanda}));
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:00:00"));
    QCOMPARE(tavola->tempoRestante(), 0);

    // The first tick after the box closed asks.
    ticchetta(1);
    QCOMPARE(banco->dialoghi.testiMostrati(),
             QStringList({Domanda, Domanda, QStringLiteral("Tempo scaduto"), Domanda}));
}

void TestGara::nuovaGara()
{
    avvia("Ada");
    ticchetta(125);
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:12:55"));
    banco->dialoghi.mostrate.clear();
    banco->dialoghi.risposte = {Risposta::Si};
    banco->dialoghi.testi = {"Bea"};
    tavola->findChild<QAction *>("Next")->trigger();

    QCOMPARE(banco->dialoghi.testiMostrati(),
             QStringList({"INIZIAMO UNA NUOVA GARA  ?", "Come ti chiami?",
                          " Bea vediamo se sei un vero campione  "}));
    QCOMPARE(testo(tavola, "lblnome1"), QStringLiteral("Bea"));
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:15:00"));
    QCOMPARE(tavola->tempoRestante(), 900);
    QCOMPARE(tavola->findChildren<QTimer *>("Timer1").size(), 1);
    QVERIFY(timer(tavola)->isActive());
    QCOMPARE(tavola->windowTitle(), QStringLiteral("Zeffirano"));
    ticchetta(1);
    QCOMPARE(testo(tavola, "lblconto"), QStringLiteral("00:14:59"));
}

void TestGara::titolo()
{
    avvia();
    QCOMPARE(tavola->windowTitle(), QStringLiteral("Zeffirano"));

    tavola->setWindowState(Qt::WindowMinimized);
    QCOMPARE(tavola->windowTitle(), QStringLiteral("12:00 AM"));
    ticchetta(5); // the clock does not touch it
    QCOMPARE(tavola->windowTitle(), QStringLiteral("12:00 AM"));

    tavola->setWindowState(Qt::WindowNoState);
    QCOMPARE(tavola->windowTitle(), QStringLiteral("Zeffirano"));
    tavola->setWindowState(Qt::WindowMaximized);
    QCOMPARE(tavola->windowTitle(), QStringLiteral("Zeffirano"));
    tavola->setWindowState(Qt::WindowNoState);

    // After the time is up it still reads midnight.
    ticchetta(896);
    QCOMPARE(tavola->tempoRestante(), 0);
    tavola->setWindowState(Qt::WindowMinimized);
    QCOMPARE(tavola->windowTitle(), QStringLiteral("12:00 AM"));
}

QTEST_MAIN(TestGara)
#include "test_gara.moc"
