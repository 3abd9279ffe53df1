#include "accessibilita.h"
#include "aiuti.h"
#include "tavola.h"

#include <QAccessible>
#include <QLabel>
#include <QtTest>

namespace {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
QStringList annunci;
void ascolta(QAccessibleEvent *evento)
{
    if (evento->type() == QAccessible::Announcement)
        annunci << static_cast<QAccessibleAnnouncementEvent *>(evento)->message();
}
#endif

// What a screen reader was last told with this control: an announcement
// from Qt 6.8, before that the front of its description.
QString detto(QWidget *controllo)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    Q_UNUSED(controllo);
    return annunci.isEmpty() ? QString() : annunci.last();
#else
    return controllo->accessibleDescription();
#endif
}

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
        // A label with no text says nothing, and needs no name.
        const auto *etichetta = qobject_cast<QLabel *>(widget);
        const bool muta =
            etichetta && etichetta->text().trimmed().isEmpty() && etichetta->pixmap().isNull();
        if (visibile) {
            ++letti;
            if (figlio->text(QAccessible::Name).trimmed().isEmpty() && !muta)
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
    QTest::addColumn<bool>("letto");

    // An exercise 3,(7) just drawn, on a first run, by a pupil named Ada.
    // The drawings, and the headings that the values already say, are for
    // the eye only. A label while it is empty has nothing to say, but is
    // not hidden: a reader told so would keep it hidden once it has a value.
    QTest::newRow("integer part") << "lblNum1"
                                  << "Parte intera 3" << true;
    QTest::newRow("no non-repeating part") << "Labela"
                                           << "Senza antiperiodo" << true;
    QTest::newRow("period") << "Labelp"
                            << "Periodo 7" << true;
    QTest::newRow("comma") << "Label9"
                           << "virgola" << false;
    QTest::newRow("heading") << "Label6"
                             << "Risposte esatte" << false;
    QTest::newRow("picture") << "Image1"
                             << "Mare di notte" << false;
    QTest::newRow("fraction bar") << "Shape1"
                                  << "Linea di frazione" << false;
    QTest::newRow("numerator") << "txtAnswer"
                               << "Numeratore" << true;
    QTest::newRow("denominator") << "Text3"
                                 << "Denominatore" << true;
    QTest::newRow("verdict") << "lblMessage"
                             << "" << true;
    QTest::newRow("right") << "lblScore"
                           << "Risposte esatte 0" << true;
    QTest::newRow("wrong") << "lblScore1"
                           << "Risposte errate 0" << true;
    QTest::newRow("all") << "lblScore2"
                         << "Risposte totali 0" << true;
    QTest::newRow("clock") << "lblconto"
                           << "Tempo restante 15 minuti" << true;
    QTest::newRow("player") << "lblnome1"
                            << "Sfidante Ada" << true;
    QTest::newRow("record holder") << "lblnome"
                                   << "Nessun record" << true;
    QTest::newRow("record score") << "lblpunti"
                                  << "" << true;
    QTest::newRow("new exercise") << "cmdNext"
                                  << "Nuovo calcolo" << true;
    QTest::newRow("conversion") << "Command1"
                                << "Converti la parte intera" << true;
    QTest::newRow("exit") << "cmdExit"
                          << "Exit" << true;
    QTest::newRow("hidden right answer") << "risultato" << QString() << false;
    QTest::newRow("hidden box") << "Text2" << QString() << false;
}

void TestAccessibilita::nomiItaliani()
{
    QFETCH(QString, controllo);
    QFETCH(QString, nome);
    QFETCH(bool, letto);
    Banco banco;
    banco.dialoghi.testi = {"Ada"};
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    QCOMPARE(nomeAccessibile(&tavola, controllo.toLatin1().constData()), nome);
    QAccessibleInterface *i =
        QAccessible::queryAccessibleInterface(::controllo(&tavola, controllo.toLatin1()));
    QCOMPARE(!i->state().invisible, letto);
    // What is hidden from readers gives them nothing to read either.
    if (!letto) {
        QCOMPARE(i->text(QAccessible::Value), QString());
        QVERIFY(!i->textInterface() && !i->editableTextInterface() && !i->valueInterface());
    }
}

void TestAccessibilita::ilValoreSegueIlTesto()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessible::installUpdateHandler(ascolta);
    QAccessible::setActive(true);
#endif
    Banco banco;
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    casella(&tavola, "txtAnswer")->setText("34");
    casella(&tavola, "Text3")->setText("9");
    casella(&tavola, "Text3")->setFocus();
    QTest::keyClick(casella(&tavola, "Text3"), Qt::Key_Return);
    QCOMPARE(nomeAccessibile(&tavola, "lblMessage"), QStringLiteral("Esito Esatto"));
    QCOMPARE(nomeAccessibile(&tavola, "lblScore"), QStringLiteral("Risposte esatte 1"));
    // Said with the button that takes the focus: the counters as the screen shows them.
    const QString verdetto = detto(controllo(&tavola, "cmdNext"));
    QVERIFY2(
        verdetto.startsWith("Esatto. Risposte esatte 1, Risposte errate 0, Risposte totali 1."),
        qPrintable(verdetto));
    tavola.Timer1_Timer();
    QCOMPARE(nomeAccessibile(&tavola, "lblconto"),
             QStringLiteral("Tempo restante 14 minuti e 59 secondi"));
    QCOMPARE(testoDaDire("Sbagliato!! 43 / 9"), QStringLiteral("Sbagliato, 43 fratto 9"));
}

QTEST_MAIN(TestAccessibilita)
#include "test_accessibilita.moc"
