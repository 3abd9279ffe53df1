#include "dialoghi.h"

#include <QApplication>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// The frame writes the title in the desktop's bold title face, and may
// centre it between an icon and three buttons at each end, each at least a
// line of that face wide.
static bool tagliato(const QWidget *box)
{
    QFont faccia = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    faccia.setBold(true);
    const QFontMetrics titolo(faccia);
    return box->width() < titolo.horizontalAdvance(box->windowTitle()) + 2 * 4 * titolo.height();
}

// The real boxes, looked at while they wait for the pupil, then answered
// with a key as the pupil would.
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
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QAbstractButton *no = box->button(QMessageBox::No);
        visto << box->windowTitle() + (tagliato(box) ? " (cut)" : "") << box->text()
              << (box->icon() == QMessageBox::Question ? "?" : "no question icon")
              << (box->defaultButton() == no ? "No" : "Yes")
              << (box->escapeButton() == no ? "No" : "Yes");
        QTest::keyClick(box, Qt::Key(tasto));
    });
    QCOMPARE(DialoghiQt().MsgBox("Vuoi veramente lasciarmi  ?", Stile::SiNoDomanda,
                                 "Uscire dal programma"),
             Risposta::No);
    QCOMPARE(visto,
             QStringList({"Uscire dal programma", "Vuoi veramente lasciarmi  ?", "?", "No", "No"}));
}

void TestDialoghi::nomeAnnullato()
{
    QStringList visto;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(box);
        visto << box->windowTitle() + (tagliato(box) ? " (cut)" : "") << box->labelText()
              << box->textValue();
        QTest::keyClicks(box->focusWidget(), "Ada");
        QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
    });
    QCOMPARE(DialoghiQt().InputBox("Come ti chiami?", QString()), QString());
    QCOMPARE(visto, QStringList({"Zeffirano", "Come ti chiami?", ""}));
}

QTEST_MAIN(TestDialoghi)
#include "test_dialoghi.moc"
