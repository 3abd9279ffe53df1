#include "dialoghi.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// Runs `guarda` on the box once it is open and waiting, then presses `tasto`
// in it as the pupil would.
void allApertura(std::function<void(QWidget *)> guarda, Qt::Key tasto)
{
    QTimer::singleShot(0, [=] {
        QWidget *box = QApplication::activeModalWidget();
        guarda(box);
        QTest::keyClick(box ? box->focusWidget() : nullptr, tasto);
    });
}

} // namespace

// The real boxes, looked at while they wait for the pupil.
class TestDialoghi : public QObject
{
    Q_OBJECT

private slots:
    void domandaSiNo_data();
    void domandaSiNo();
    void nomeAnnullato();
};

void TestDialoghi::domandaSiNo_data()
{
    QTest::addColumn<int>("tasto");
    QTest::newRow("Enter takes the default") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestDialoghi::domandaSiNo()
{
    QFETCH(int, tasto);
    QStringList visto;
    allApertura(
        [&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box)
                return;
            visto << box->windowTitle() << box->text()
                  << QString::number(box->icon() == QMessageBox::Question)
                  << QString::number(box->defaultButton() == box->button(QMessageBox::No))
                  << QString::number(box->escapeButton() == box->button(QMessageBox::No));
        },
        Qt::Key(tasto));
    DialoghiQt dialoghi;
    QCOMPARE(
        dialoghi.MsgBox("Vuoi veramente lasciarmi  ?", Stile::SiNoDomanda, "Uscire dal programma"),
        Risposta::No);
    QCOMPARE(visto,
             QStringList({"Uscire dal programma", "Vuoi veramente lasciarmi  ?", "1", "1", "1"}));
}

void TestDialoghi::nomeAnnullato()
{
    QStringList visto;
    allApertura(
        [&](QWidget *w) {
            auto *box = qobject_cast<QInputDialog *>(w);
            if (!box)
                return;
            visto << box->windowTitle() << box->labelText() << box->textValue();
            QTest::keyClicks(box->focusWidget(), "Ada");
        },
        Qt::Key_Escape);
    DialoghiQt dialoghi;
    QCOMPARE(dialoghi.InputBox("Come ti chiami?", QString()), QString());
    QCOMPARE(visto, QStringList({"Zeffirano", "Come ti chiami?", ""}));
}

QTEST_MAIN(TestDialoghi)
#include "test_dialoghi.moc"
