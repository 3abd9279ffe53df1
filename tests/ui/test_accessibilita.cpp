#include "aiuti.h"
#include "tavola.h"

#include <QAccessible>
#include <QtTest>

namespace {

QString nomeAccessibile(QWidget *finestra, const char *controllo)
{
    QAccessibleInterface *i =
        QAccessible::queryAccessibleInterface(::controllo(finestra, controllo));
    return i ? i->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// Every visible control in the tree that a screen reader would read out.
void raccogli(QAccessibleInterface *nodo, QStringList &senzaNome, int &letti)
{
    for (int i = 0; i < nodo->childCount(); ++i) {
        QAccessibleInterface *figlio = nodo->child(i);
        if (!figlio)
            continue;
        auto *widget = qobject_cast<QWidget *>(figlio->object());
        const bool visibile = widget ? widget->isVisible() : !figlio->state().invisible;
        if (visibile) {
            ++letti;
            if (figlio->text(QAccessible::Name).trimmed().isEmpty())
                senzaNome << QStringLiteral("%1 (role %2)")
                                 .arg(figlio->object() ? figlio->object()->objectName()
                                                       : QStringLiteral("?"))
                                 .arg(int(figlio->role()));
        }
        raccogli(figlio, senzaNome, letti);
    }
}

} // namespace

// What Orca reads through AT-SPI is this same tree of interfaces.
class TestAccessibilita : public QObject
{
    Q_OBJECT

private slots:
    void nessunControlloSenzaNome();
    void nomiItaliani_data();
    void nomiItaliani();
    void ilValoreSegueIlTesto();
};

void TestAccessibilita::nessunControlloSenzaNome()
{
    Banco banco;
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));

    QStringList senzaNome;
    int letti = 0;
    raccogli(QAccessible::queryAccessibleInterface(&tavola), senzaNome, letti);
    // The walk reached the form: its labels, boxes, buttons and menus.
    QVERIFY2(letti >= 35, qPrintable(QString::number(letti)));
    QVERIFY2(senzaNome.isEmpty(), qPrintable(senzaNome.join(", ")));
}

void TestAccessibilita::nomiItaliani_data()
{
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QString>("nome");

    // An exercise 3,(7) just drawn, on a first run, by a pupil named Ada.
    QTest::newRow("integer part") << "lblNum1"
                                  << "Parte intera: 3";
    QTest::newRow("no non-repeating part") << "Labela"
                                           << "Antiperiodo";
    QTest::newRow("period") << "Labelp"
                            << "Periodo: 7";
    QTest::newRow("comma") << "Label9"
                           << "virgola";
    QTest::newRow("numerator") << "txtAnswer"
                               << "Numeratore";
    QTest::newRow("denominator") << "Text3"
                                 << "Denominatore";
    QTest::newRow("verdict") << "lblMessage"
                             << "Esito";
    QTest::newRow("right") << "lblScore"
                           << "Risposte esatte: 0";
    QTest::newRow("wrong") << "lblScore1"
                           << "Risposte errate: 0";
    QTest::newRow("all") << "lblScore2"
                         << "Risposte totali: 0";
    QTest::newRow("clock") << "lblconto"
                           << "Tempo restante: 00:15:00";
    QTest::newRow("player") << "lblnome1"
                            << "Sfidante: Ada";
    QTest::newRow("record holder") << "lblnome"
                                   << "Il record è di";
    QTest::newRow("record score") << "lblpunti"
                                  << "Punti del record";
    QTest::newRow("new exercise") << "cmdNext"
                                  << "Nuovo calcolo";
    QTest::newRow("exit") << "cmdExit"
                          << "Exit";
}

void TestAccessibilita::nomiItaliani()
{
    QFETCH(QString, controllo);
    QFETCH(QString, nome);
    Banco banco;
    banco.dialoghi.testi = {"Ada"};
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    QCOMPARE(nomeAccessibile(&tavola, controllo.toLatin1().constData()), nome);
}

void TestAccessibilita::ilValoreSegueIlTesto()
{
    Banco banco;
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    casella(&tavola, "txtAnswer")->setText("34");
    casella(&tavola, "Text3")->setText("9");
    casella(&tavola, "Text3")->setFocus();
    QTest::keyClick(casella(&tavola, "Text3"), Qt::Key_Return);
    QCOMPARE(nomeAccessibile(&tavola, "lblMessage"), QStringLiteral("Esito: Esatto!!"));
    QCOMPARE(nomeAccessibile(&tavola, "lblScore"), QStringLiteral("Risposte esatte: 1"));
    tavola.Timer1_Timer();
    QCOMPARE(nomeAccessibile(&tavola, "lblconto"), QStringLiteral("Tempo restante: 00:14:59"));
}

QTEST_MAIN(TestAccessibilita)
#include "test_accessibilita.moc"
