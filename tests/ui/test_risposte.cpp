#include "aiuti.h"
#include "superficie.h"
#include "tavola.h"

#include <QtTest>

// Answers typed with real key presses, as a pupil types them.
class TestRisposte : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void caselleVuoteValgonoUno();
    void rispostaEsatta();
    void barraNelNumeratore();
    void tastiCheChiudonoLaRisposta_data();
    void tastiCheChiudonoLaRisposta();
    void tastiCheRestano_data();
    void tastiCheRestano();
    void sfondoNeroDopoIlGiudizio();
    void unaSolaVoltaPerEsercizio();
    void garaSoloConLaTastiera();

private:
    // Types a whole answer: the numerator, Enter, the denominator, Enter.
    void rispondi(const QString &numeratore, const QString &denominatore);

    Banco banco;
    Tavola *tavola = nullptr;
};

void TestRisposte::init()
{
    tavola = new Tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola->show();
    QVERIFY(QTest::qWaitForWindowActive(tavola));
    QCOMPARE(QApplication::focusWidget(), controllo(tavola, "txtAnswer"));
}

void TestRisposte::cleanup()
{
    delete tavola;
    tavola = nullptr;
}

void TestRisposte::rispondi(const QString &numeratore, const QString &denominatore)
{
    QTest::keyClicks(QApplication::focusWidget(), numeratore);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), denominatore);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void TestRisposte::caselleVuoteValgonoUno()
{
    rispondi("", "");
    QCOMPARE(testo(tavola, "txtAnswer"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "Text3"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "lblMessage"), QStringLiteral("Sbagliato!! 34 / 9"));
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("0"));
    QCOMPARE(testo(tavola, "lblScore1"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "lblScore2"), QStringLiteral("1"));
}

void TestRisposte::rispostaEsatta()
{
    rispondi("34", "9");
    QCOMPARE(testo(tavola, "lblMessage"), QStringLiteral("Esatto!! "));
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "lblScore1"), QStringLiteral("0"));
    QCOMPARE(testo(tavola, "lblScore2"), QStringLiteral("1"));
}

void TestRisposte::barraNelNumeratore()
{
    // "/" is taken, and the box holds six characters at most.
    QTest::keyClicks(QApplication::focusWidget(), "34/9999");
    QCOMPARE(testo(tavola, "txtAnswer"), QStringLiteral("34/999"));
    QCOMPARE(QApplication::focusWidget(), controllo(tavola, "txtAnswer"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The numerator reads 34; the empty denominator counts as 1.
    QCOMPARE(testo(tavola, "txtAnswer"), QStringLiteral("34/999"));
    QCOMPARE(testo(tavola, "Text3"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "lblScore1"), QStringLiteral("1"));

    tavola->cmdNext_Click();
    rispondi("34/999", "9");
    QCOMPARE(testo(tavola, "lblMessage"), QStringLiteral("Esatto!! "));
}

void TestRisposte::tastiCheChiudonoLaRisposta_data()
{
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("modificatori");
    QTest::addColumn<bool>("giudica"); // in the denominator

    QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << false;
    QTest::newRow("comma") << int(Qt::Key_Comma) << int(Qt::NoModifier) << false;
    QTest::newRow("full stop") << int(Qt::Key_Period) << int(Qt::NoModifier) << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << int(Qt::NoModifier) << false;
    QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << false;
    // A line feed and a delete: neither is Enter, neither is Backspace.
    QTest::newRow("ctrl+enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << false;
    QTest::newRow("ctrl+backspace") << int(Qt::Key_Backspace) << int(Qt::ControlModifier) << false;
    // Carriage return, typed with Ctrl: it is Enter.
    QTest::newRow("ctrl+m") << int(Qt::Key_M) << int(Qt::ControlModifier) << true;
}

void TestRisposte::tastiCheChiudonoLaRisposta()
{
    QFETCH(int, tasto);
    QFETCH(int, modificatori);
    QFETCH(bool, giudica);
    const auto premi = [&] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(tasto),
                        Qt::KeyboardModifiers(modificatori));
    };

    QTest::keyClicks(QApplication::focusWidget(), "12");
    premi();
    QCOMPARE(QApplication::focusWidget(), controllo(tavola, "Text3"));
    QCOMPARE(testo(tavola, "txtAnswer"), QStringLiteral("12"));

    QTest::keyClicks(QApplication::focusWidget(), "5");
    premi();
    // Leaving the denominator without Enter passes on without judging.
    QCOMPARE(QApplication::focusWidget(), controllo(tavola, "cmdNext"));
    QVERIFY(controllo(tavola, "cmdNext")->isEnabled());
    QCOMPARE(testo(tavola, "Text3"), QStringLiteral("5"));
    QCOMPARE(testo(tavola, "lblMessage"), giudica ? QStringLiteral("Sbagliato!! 34 / 9") : "");
    QCOMPARE(testo(tavola, "lblScore2"), giudica ? QStringLiteral("1") : "0");
}

void TestRisposte::tastiCheRestano_data()
{
    QTest::addColumn<QString>("casella");
    QTest::newRow("numerator") << "txtAnswer";
    QTest::newRow("denominator") << "Text3";
}

void TestRisposte::tastiCheRestano()
{
    QFETCH(QString, casella);
    QLineEdit *box = ::casella(tavola, casella.toLatin1().constData());
    box->setFocus();
    QTest::keyClicks(box, "1 2+3");
    QCOMPARE(box->text(), QStringLiteral("1 2+3"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(box->text(), QStringLiteral("1 2+ "));
    QTest::keyClick(box, Qt::Key_H, Qt::ControlModifier); // a backspace: accepted
    // Moving and editing keys keep their usual meaning.
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Left);
    QCOMPARE(box->text(), QStringLiteral(" 2+ "));
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(testo(tavola, "lblScore2"), QStringLiteral("0"));
}

void TestRisposte::sfondoNeroDopoIlGiudizio()
{
    auto *superficie = qobject_cast<Superficie *>(tavola->centralWidget());
    QCOMPARE(superficie->aspetto().pixelColor(4, 201), QColor(60, 0, 100));

    rispondi("34", "9");
    QCOMPARE(superficie->sfondo(), QColor(Qt::black));
    QCOMPARE(superficie->aspetto().pixelColor(4, 201), QColor(Qt::black));
    QCOMPARE(tavola->centralWidget()->grab().toImage().pixelColor(4, 201), QColor(Qt::black));
    QVERIFY(controllo(tavola, "cmdNext")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), controllo(tavola, "cmdNext"));

    tavola->cmdNext_Click();
    QCOMPARE(superficie->aspetto().pixelColor(4, 201), QColor(60, 0, 100));
}

void TestRisposte::unaSolaVoltaPerEsercizio()
{
    rispondi("1", "1");
    QCOMPARE(testo(tavola, "lblMessage"), QStringLiteral("Sbagliato!! 34 / 9"));

    // Having seen the right fraction, the pupil goes back, types it and
    // presses Enter again, and again.
    casella(tavola, "txtAnswer")->setFocus();
    casella(tavola, "txtAnswer")->clear();
    QTest::keyClicks(QApplication::focusWidget(), "34");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), controllo(tavola, "Text3"));
    casella(tavola, "Text3")->clear();
    QTest::keyClicks(QApplication::focusWidget(), "9");
    for (int i = 0; i < 3; ++i) {
        casella(tavola, "Text3")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), controllo(tavola, "cmdNext"));
    }
    QCOMPARE(testo(tavola, "lblMessage"), QStringLiteral("Sbagliato!! 34 / 9"));
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("0"));
    QCOMPARE(testo(tavola, "lblScore1"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "lblScore2"), QStringLiteral("1"));

    // A new exercise is judged again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    rispondi("34", "9");
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("1"));
    QCOMPARE(testo(tavola, "lblScore2"), QStringLiteral("2"));
}

void TestRisposte::garaSoloConLaTastiera()
{
    // Enter on the focused "Nuovo calcolo" draws the next exercise.
    for (int giro = 0; giro < 12; ++giro) {
        rispondi(giro % 3 == 0 ? "9" : "34", "9");
        QCOMPARE(QApplication::focusWidget(), controllo(tavola, "cmdNext"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), controllo(tavola, "txtAnswer"));
        QVERIFY(!controllo(tavola, "cmdNext")->isEnabled());
    }
    QCOMPARE(testo(tavola, "lblScore"), QStringLiteral("8"));
    QCOMPARE(testo(tavola, "lblScore1"), QStringLiteral("4"));
    QCOMPARE(testo(tavola, "lblScore2"), QStringLiteral("12"));
    // The counters grew from the form's one-digit size.
    QVERIFY(controllo(tavola, "lblScore2")->width() > 37);
}

QTEST_MAIN(TestRisposte)
#include "test_risposte.moc"
