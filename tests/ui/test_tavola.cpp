#include "aiuti.h"
#include "esercizio.h"
#include "etichettaauto.h"
#include "superficie.h"
#include "tavola.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

class TestTavola : public QObject
{
    Q_OBJECT

private slots:
    void controlli_data();
    void controlli();
    void finestraEMenu();
    void caratteriEColori_data();
    void caratteriEColori();
    void ordineDiSovrapposizione();
    void ordineDelFuoco();
    void primoEsercizioUnaVoltaSola();
    void nuovoCalcolo_data();
    void nuovoCalcolo();
    void sfumaturaNeiMargini();
    void etichetteCheCrescono();
    void tastoAltN();
    void facciaIntera();
    void suggerimentiEMenuDelDesktop();
};

void TestTavola::controlli_data()
{
    QTest::addColumn<QRect>("geometria");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("visibile");

    // Positions at 15 twips a pixel; texts as the form shows them once the
    // window is loaded, before the first exercise: the clock set, and on a
    // first run no name and no record.
    QTest::newRow("Image1") << QRect(16, 8, 640, 480) << QString() << true;
    QTest::newRow("Label2") << QRect(16, 8, 105, 17) << "Parte intera" << true;
    QTest::newRow("Label5") << QRect(112, 8, 113, 25) << "Antiperiodo" << true;
    QTest::newRow("Label7") << QRect(216, 8, 89, 25) << "Periodo" << true;
    QTest::newRow("lblNum1") << QRect(35, 32, 41, 79) << "2" << true;
    QTest::newRow("Label9") << QRect(80, 64, 25, 81) << "," << true;
    QTest::newRow("Labela") << QRect(104, 32, 96, 79) << "3" << true;
    QTest::newRow("Labelp") << QRect(200, 32, 94, 79) << "4" << true;
    QTest::newRow("Label10") << QRect(200, 32, 41, 9) << "" << true;
    QTest::newRow("Label4") << QRect(344, 24, 41, 65) << "=" << true;
    QTest::newRow("txtAnswer") << QRect(424, 8, 225, 80) << "1" << true;
    QTest::newRow("Shape1") << QRect(424, 100, 225, 17) << QString() << true;
    QTest::newRow("Text3") << QRect(424, 128, 225, 73) << "1" << true;
    QTest::newRow("lblMessage") << QRect(16, 136, 441, 41) << "" << true;
    QTest::newRow("Label11") << QRect(16, 144, 137, 25) << "Tempo restante" << true;
    QTest::newRow("lblconto") << QRect(24, 176, 105, 33) << "00:15:00" << true;
    QTest::newRow("risultato") << QRect(176, 168, 169, 57) << "" << false;
    QTest::newRow("lblNum2") << QRect(200, 120, 23, 79) << "" << false;
    QTest::newRow("Label6") << QRect(16, 232, 171, 33) << "Risposte esatte" << true;
    QTest::newRow("Label1") << QRect(256, 232, 168, 33) << "Risposte errate" << true;
    QTest::newRow("Label3") << QRect(496, 232, 156, 33) << "Risposte totali" << true;
    QTest::newRow("lblScore") << QRect(88, 272, 37, 59) << "0" << true;
    QTest::newRow("lblScore1") << QRect(328, 272, 36, 59) << "0" << true;
    QTest::newRow("lblScore2") << QRect(568, 272, 37, 59) << "0" << true;
    QTest::newRow("Text2") << QRect(136, 280, 169, 49) << "Text1" << false;
    QTest::newRow("cmdNext") << QRect(288, 344, 121, 73) << "&Nuovo calcolo" << true;
    QTest::newRow("Command1") << QRect(320, 360, 57, 41) << "Command1" << true;
    QTest::newRow("cmdExit") << QRect(528, 344, 121, 73) << "E&xit" << true;
    QTest::newRow("Label14") << QRect(24, 352, 95, 28) << "Sfidante" << true;
    QTest::newRow("lblnome1") << QRect(24, 424, 11, 28) << "" << true;
    QTest::newRow("Label12") << QRect(24, 456, 153, 25) << "Il record  è di " << true;
    QTest::newRow("lblnome") << QRect(168, 480, 249, 33) << "" << true;
    QTest::newRow("Label13") << QRect(480, 456, 97, 29) << "con punti" << true;
    // Auto-size: empty now, so only its corner is the form's.
    QTest::newRow("lblpunti") << QRect(584, 456, -1, -1) << "" << true;
}

void TestTavola::controlli()
{
    QFETCH(QRect, geometria);
    QFETCH(QString, testo);
    QFETCH(bool, visibile);

    // Not shown, so the first exercise has not replaced the form's texts.
    Banco banco;
    Tavola tavola(banco.servizi());
    const QByteArray nome = QTest::currentDataTag();
    QWidget *w = controllo(&tavola, nome.constData());
    QVERIFY2(w, nome.constData());
    if (geometria.isValid())
        QCOMPARE(w->geometry(), geometria);
    else
        QCOMPARE(w->pos(), geometria.topLeft());
    QCOMPARE(w->isVisibleTo(&tavola), visibile);
    if (!testo.isNull())
        QCOMPARE(::testo(&tavola, nome.constData()), testo);
}

void TestTavola::finestraEMenu()
{
    Banco banco;
    Tavola tavola(banco.servizi());
    QCOMPARE(tavola.centralWidget()->size(), QSize(669, 498));
    QCOMPARE(tavola.windowTitle(),
             QStringLiteral("Vidodozaz ave  v evavud uvidodidi  Un saluto agli alunni della "
                            "classe IIA     Istituto comprensivo \"Varenzi\""));
    QVERIFY(!tavola.windowIcon().isNull());

    auto *timer = tavola.findChild<QTimer *>("Timer1");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);

    auto *txt = tavola.findChild<QLineEdit *>("txtAnswer");
    QCOMPARE(txt->maxLength(), 6);
    QCOMPARE(txt->toolTip(), QStringLiteral("Inserisci il risultato e  premi il tasto  Invio"));
    QCOMPARE(tavola.findChild<QLineEdit *>("Text3")->maxLength(), 6);
    QCOMPARE(controllo(&tavola, "lblScore")->toolTip(),
             QStringLiteral("Questo è il tuo punteggio. Forza con il  record"));
    QCOMPARE(controllo(&tavola, "cmdNext")->toolTip(), QStringLiteral("Go"));
    QCOMPARE(controllo(&tavola, "cmdExit")->toolTip(), QStringLiteral("Allora ti arrendi?"));
    // The hand belongs to the surface: buttons show the arrow, boxes the I-beam.
    for (const char *pulsante : {"cmdNext", "Command1"})
        QCOMPARE(controllo(&tavola, pulsante)->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(txt->cursor().shape(), Qt::IBeamCursor);

    // The menu bar, left to right, and what hangs under each entry.
    QStringList voci;
    for (QAction *a : tavola.menuBar()->actions())
        voci << (a->menu() ? a->menu()->objectName() : a->objectName()) + "=" + a->text();
    QCOMPARE(voci, QStringList({"INFOMAZIONI=INFORMAZIONI", "Next=NUOVA GARA", "HELP=AIUTO",
                                "calc=CALCOLATRICE", "istituto=ISTITUTO COMPRENSIVO "}));
    auto *ciao = tavola.findChild<QMenu *>("Ciao");
    QVERIFY(ciao && ciao->menuAction()->parent());
    QCOMPARE(tavola.findChild<QMenu *>("INFOMAZIONI")->actions(), {ciao->menuAction()});
    QCOMPARE(ciao->actions().size(), 1);
    QCOMPARE(ciao->actions().first()->objectName(), QStringLiteral("Tmer"));
    QCOMPARE(tavola.findChild<QMenu *>("istituto")->actions().first()->objectName(),
             QStringLiteral("Sorvalle"));
}

void TestTavola::caratteriEColori_data()
{
    QTest::addColumn<QString>("famiglia");
    QTest::addColumn<double>("punti");
    QTest::addColumn<bool>("grassetto");
    QTest::addColumn<bool>("corsivo");
    QTest::addColumn<QColor>("colore");
    // The free face that stands in on Linux.
    QTest::addColumn<QString>("sostituto");

    QTest::newRow("Label2") << "MS Sans Serif" << 12.0 << true << false << QColor(255, 0, 0)
                            << "Liberation Sans";
    QTest::newRow("lblNum1") << "Arial" << 48.0 << true << false << QColor(255, 0, 0)
                             << "Liberation Sans";
    QTest::newRow("txtAnswer") << "Arial" << 48.0 << true << false << QColor(0, 0, 255)
                               << "Liberation Sans";
    QTest::newRow("lblMessage") << "MS Sans Serif" << 24.0 << true << true << QColor(255, 0, 0)
                                << "Liberation Sans";
    QTest::newRow("Label11") << "MS Sans Serif" << 9.75 << true << false << QColor(255, 255, 0)
                             << "Liberation Sans";
    QTest::newRow("lblconto") << "Arial Black" << 12.0 << true << false << QColor(255, 255, 0)
                              << "DejaVu Sans";
    QTest::newRow("Label6") << "MS Sans Serif" << 18.0 << false << false << QColor(128, 255, 128)
                            << "Liberation Sans";
    QTest::newRow("lblScore") << "Times New Roman" << 36.0 << true << false << QColor(128, 255, 128)
                              << "Liberation Serif";
    QTest::newRow("Label14") << "MS Sans Serif" << 13.5 << false << false << QColor(0, 128, 0)
                             << "Liberation Sans";
    QTest::newRow("cmdNext") << "MS Sans Serif" << 8.25 << true << false << QColor()
                             << "Liberation Sans";
}

void TestTavola::caratteriEColori()
{
    QFETCH(QString, famiglia);
    QFETCH(double, punti);
    QFETCH(bool, grassetto);
    QFETCH(bool, corsivo);
    QFETCH(QColor, colore);
    QFETCH(QString, sostituto);

    Banco banco;
    Tavola tavola(banco.servizi());
    QWidget *w = controllo(&tavola, QTest::currentDataTag());
    w->ensurePolished();
    QCOMPARE(w->font().family(), famiglia);
    QCOMPARE(w->font().pointSizeF(), punti);
    QCOMPARE(w->font().bold(), grassetto);
    QCOMPARE(w->font().italic(), corsivo);
    QCOMPARE(QFontInfo(w->font()).family(), sostituto);
    if (colore.isValid())
        QCOMPARE(w->palette().color(w->foregroundRole()), colore);
}

void TestTavola::ordineDiSovrapposizione()
{
    Banco banco;
    Tavola tavola(banco.servizi());
    // Bottom to top: the picture is the background, the windowed controls lie
    // above every label, and the fraction bar tops the labels.
    const QStringList attesi = {
        "Image1",    "Label6",    "lblMessage", "lblScore", "lblNum1",   "Label4",  "lblNum2",
        "lblScore1", "lblScore2", "Label1",     "Label3",   "lblconto",  "Label11", "Label14",
        "lblnome1",  "Label13",   "lblpunti",   "Label12",  "lblnome",   "Labela",  "Labelp",
        "Label2",    "Label5",    "Label9",     "Label10",  "Label7",    "Shape1",  "Command1",
        "cmdExit",   "cmdNext",   "txtAnswer",  "Text2",    "risultato", "Text3"};
    QStringList trovati;
    for (QObject *figlio : tavola.centralWidget()->children())
        if (figlio->isWidgetType())
            trovati << figlio->objectName();
    QCOMPARE(trovati, attesi);

    // What a click would hit: the bar over the period, and the big button
    // that hides Command1.
    QWidget *superficie = tavola.centralWidget();
    QCOMPARE(superficie->childAt(210, 35)->objectName(), QStringLiteral("Label10"));
    QCOMPARE(superficie->childAt(348, 380)->objectName(), QStringLiteral("cmdNext"));
}

void TestTavola::ordineDelFuoco()
{
    Banco banco;
    Tavola tavola(banco.servizi());
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    controllo(&tavola, "cmdNext")->setEnabled(true);

    // Tab skips the labels and the hidden boxes, and the menu bar.
    const auto prossimo = [](QWidget *w) {
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || !w->isEnabled());
        return w;
    };
    QStringList ordine;
    QWidget *w = controllo(&tavola, "cmdExit");
    for (int i = 0; i < 6; ++i, w = prossimo(w))
        ordine << w->objectName();
    QCOMPARE(ordine,
             QStringList({"cmdExit", "cmdNext", "txtAnswer", "Command1", "Text3", "cmdExit"}));
}

void TestTavola::primoEsercizioUnaVoltaSola()
{
    Banco banco;
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    QCOMPARE(testo(&tavola, "lblNum1"), QStringLiteral("2"));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowActive(&tavola));
    QCOMPARE(testo(&tavola, "risultato"), QStringLiteral("34/9"));
    QVERIFY(!controllo(&tavola, "cmdNext")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), controllo(&tavola, "txtAnswer"));

    // Coming back to the window does not draw again.
    qobject_cast<QLineEdit *>(controllo(&tavola, "txtAnswer"))->setText("34");
    tavola.hide();
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    QCOMPARE(testo(&tavola, "txtAnswer"), QStringLiteral("34"));
}

void TestTavola::nuovoCalcolo_data()
{
    QTest::addColumn<std::vector<float>>("estrazioni");
    QTest::addColumn<QString>("intera");
    QTest::addColumn<QString>("antiperiodo");
    QTest::addColumn<QString>("periodo");
    QTest::addColumn<QString>("frazione");
    QTest::addColumn<int>("barra");

    QTest::newRow("mixed 1,5(13)") << Mista_1_5_13 << "1"
                                   << "5"
                                   << "13"
                                   << "1498/990" << 70;
    QTest::newRow("pure 3,(7)") << Pura_3_7 << "3"
                                << ""
                                << "7"
                                << "34/9" << 35;
}

void TestTavola::nuovoCalcolo()
{
    QFETCH(std::vector<float>, estrazioni);
    QFETCH(QString, intera);
    QFETCH(QString, antiperiodo);
    QFETCH(QString, periodo);
    QFETCH(QString, frazione);
    QFETCH(int, barra);

    Banco banco;
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(estrazioni));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowActive(&tavola));
    qobject_cast<QLineEdit *>(controllo(&tavola, "Text3"))->setText("99");
    controllo(&tavola, "cmdNext")->setEnabled(true);

    tavola.cmdNext_Click();

    QCOMPARE(testo(&tavola, "lblNum1"), intera);
    QCOMPARE(testo(&tavola, "Labela"), antiperiodo);
    QCOMPARE(testo(&tavola, "Labelp"), periodo);
    QCOMPARE(testo(&tavola, "risultato"), frazione);
    QCOMPARE(QString::fromStdString(tavola.numeratoreAtteso() + "/" + tavola.denominatoreAtteso()),
             frazione);
    QCOMPARE(controllo(&tavola, "Label10")->width(), barra);
    QCOMPARE(testo(&tavola, "txtAnswer"), QString());
    QCOMPARE(testo(&tavola, "Text3"), QString());
    QCOMPARE(testo(&tavola, "lblMessage"), QString());
    QVERIFY(!controllo(&tavola, "cmdNext")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), controllo(&tavola, "txtAnswer"));
}

void TestTavola::sfumaturaNeiMargini()
{
    Banco banco;
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Mista_1_5_13));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    auto *superficie = qobject_cast<Superficie *>(tavola.centralWidget());
    QVERIFY(superficie);
    const QImage aspetto = superficie->aspetto();
    // Integer part 1, non-repeating part 5: red 20, green 100, blue the band.
    QCOMPARE(aspetto.pixelColor(4, 0), QColor(20, 100, 0));
    QCOMPARE(aspetto.pixelColor(4, 201), QColor(20, 100, 100));
    QCOMPARE(aspetto.pixelColor(660, 497), QColor(20, 100, 248));

    // What the window actually paints in the left margin.
    const QImage schermo = tavola.centralWidget()->grab().toImage();
    QCOMPARE(schermo.pixelColor(4, 201), QColor(20, 100, 100));

    superficie->Cls();
    QCOMPARE(superficie->aspetto().pixelColor(4, 201), superficie->sfondo());
}

void TestTavola::etichetteCheCrescono()
{
    Banco banco;
    Tavola tavola(banco.servizi());
    auto *punteggio = tavola.findChild<EtichettaAuto *>("lblScore");
    QVERIFY(punteggio);
    const QRect prima = punteggio->geometry();
    punteggio->setText("7");
    QCOMPARE(punteggio->geometry(), prima);
    punteggio->setText("1234");
    QCOMPARE(punteggio->pos(), prima.topLeft());
    QVERIFY(punteggio->width() > prima.width() + 40);

    // The name starts empty; whatever comes, its last letter stays inside the frame.
    auto *nome = tavola.findChild<EtichettaAuto *>("lblnome1");
    for (const QString &chi : {"Leo", "Margherita Bellincioni"}) {
        nome->setText(chi);
        QVERIFY(nome->fontMetrics().horizontalAdvance(chi) <= nome->contentsRect().width());
    }
    QVERIFY(nome->width() > 150);
    // Written as a plain QLabel, shown or not, the size still follows.
    static_cast<QLabel *>(punteggio)->setText("7");
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    QCOMPARE(punteggio->geometry(), prima);
    static_cast<QLabel *>(nome)->setText("Ada");
    QTRY_VERIFY(nome->width() < 150);
    // Labels the form does not size by their text keep their size.
    QCOMPARE(tavola.findChild<QLabel *>("Labela")->metaObject()->className(), "QLabel");
}

void TestTavola::tastoAltN()
{
    Banco banco;
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Pura_3_7));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowActive(&tavola));
    auto *risultato = qobject_cast<QLineEdit *>(controllo(&tavola, "risultato"));
    risultato->setText("vecchio");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QTest::qWait(300); // a shortcut clicks after a short press animation
    QCOMPARE(risultato->text(), QStringLiteral("vecchio")); // disabled: nothing happens

    controllo(&tavola, "cmdNext")->setEnabled(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(risultato->text(), QStringLiteral("34/9"));
}

// The whole face of the window on one fixed exercise, pixel for pixel as it
// was last drawn on purpose. ZEFFIRANO_FACCIA=file.png keeps what is drawn now.
void TestTavola::facciaIntera()
{
    // The reference was drawn with Debian's free faces standing in.
    if (QFontInfo(QFont("Arial")).family() != "Liberation Sans" ||
        QFontInfo(QFont("Times New Roman")).family() != "Liberation Serif")
        QSKIP("the free faces that stand in for the form's are not installed");
    QApplication::setCursorFlashTime(0); // a text cursor that does not blink
    Banco banco;
    Tavola tavola(banco.servizi(), std::make_unique<SorgenteScriptata>(Mista_1_5_13));
    tavola.show();
    QVERIFY(QTest::qWaitForWindowActive(&tavola));
    tavola.findChild<QTimer *>("Timer1")->stop();

    const QImage ora = tavola.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (const QString copia = qEnvironmentVariable("ZEFFIRANO_FACCIA"); !copia.isEmpty())
        ora.save(copia);
    if (tavola.devicePixelRatio() != 1)
        QSKIP("the reference is drawn at scale 1");
    const QImage attesa(QFINDTESTDATA("faccia.png"));
    QCOMPARE(ora.size(), attesa.size());
    // Processors may round a shade differently when blending; a face may not differ.
    int diversi = 0;
    for (int y = 0; y < ora.height(); ++y)
        for (int x = 0; x < ora.width(); ++x) {
            const QRgb a = ora.pixel(x, y), b = attesa.pixel(x, y);
            diversi += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                 std::abs(qBlue(a) - qBlue(b))}) > 8;
        }
    QCOMPARE(diversi, 0);
}

// The form's faces are the controls' own: tooltips and the boxes' edit
// menu come in the desktop's face, not in the 48-point one of the box.
void TestTavola::suggerimentiEMenuDelDesktop()
{
    Banco banco;
    Tavola tavola(banco.servizi());
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    for (const char *nome : {"txtAnswer", "lblScore", "cmdExit"}) {
        QWidget *w = controllo(&tavola, nome);
        QHelpEvent aiuto(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w, &aiuto);
        QWidget *suggerimento = nullptr;
        for (QWidget *f : QApplication::topLevelWidgets())
            if (f->inherits("QTipLabel") && f->isVisible())
                suggerimento = f;
        QVERIFY2(suggerimento, nome);
        QCOMPARE(suggerimento->font(), QToolTip::font());
        QToolTip::hideText();
    }
    for (const char *nome : {"txtAnswer", "Text3"}) {
        std::unique_ptr<QMenu> menu(casella(&tavola, nome)->createStandardContextMenu());
        menu->ensurePolished();
        QCOMPARE(menu->font(), QApplication::font(menu.get()));
    }
}

QTEST_MAIN(TestTavola)
#include "test_tavola.moc"
