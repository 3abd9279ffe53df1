// A game with the real boxes, each answered as soon as it opens: the name
// prompt, the greeting, help, no calculator, leaving (No), then time up and
// leaving again. Prints each box and whether it belongs to the game's
// window: on X11 the box's WM_TRANSIENT_FOR as the server holds it, and
// the window's class; elsewhere Qt's transient parent, while the Wayland
// script reads the protocol itself. Fails unless every box belongs.

#include "dialoghi.h"
#include "finti.h"
#include "tavola.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <QWindow>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

bool appartiene(QWidget *box, QWidget *finestra)
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return box->windowHandle()->transientParent() == finestra->windowHandle();
    Window padre = 0;
    return XGetTransientForHint(x11->display(), box->winId(), &padre) && padre == finestra->winId();
}

QString classe(QWidget *finestra)
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    XClassHint classe{};
    if (!x11 || !XGetClassHint(x11->display(), finestra->winId(), &classe))
        return QString();
    const QString nome = QString::fromLatin1(classe.res_class);
    XFree(classe.res_name);
    XFree(classe.res_class);
    return nome;
}

// The window being made: its name prompt comes from its constructor.
Tavola *laTavola()
{
    for (QWidget *finestra : QApplication::topLevelWidgets())
        if (auto *tavola = qobject_cast<Tavola *>(finestra))
            return tavola;
    return nullptr;
}

// Answers each box with Escape (No, Cancel or OK) once Qt has shown it.
class Rispondi : public QObject
{
public:
    int estranee = 0;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        auto *box = qobject_cast<QDialog *>(oggetto);
        if (box && evento->type() == QEvent::Show)
            QTimer::singleShot(0, box, [this, box] { rispondi(box); });
        return false;
    }

private:
    void rispondi(QDialog *box)
    {
        Tavola *tavola = laTavola();
        const bool sua = tavola && appartiene(box, tavola);
        estranee += !sua;
        const auto *testo = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        printf("%s: %s\n", qPrintable(testo ? testo->text() : box->windowTitle()),
               sua ? "belongs" : "DOES NOT BELONG");
        fflush(stdout);
        QTest::keyClick(box, Qt::Key_Escape);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    legaAlLanciatore();
    DialoghiQt dialoghi;
    AvviatoreFinto avviatore; // finds no calculator
    UscitaFinta uscita;
    CampanelloFinto campanello;
    Rispondi rispondi;
    app.installEventFilter(&rispondi);

    QTimer::singleShot(0, [&] {
        Tavola finestra(Servizi{dialoghi, avviatore, uscita, campanello});
        finestra.show();
        if (!QTest::qWaitForWindowExposed(&finestra))
            printf("the window was not shown\n");
        // The launcher, given as the argument, names the window's class.
        const QString classeX11 = classe(&finestra);
        QFile lanciatore(app.arguments().value(1));
        const bool lega =
            classeX11.isEmpty() ||
            (lanciatore.open(QIODevice::ReadOnly) &&
             lanciatore.readAll().split('\n').contains("StartupWMClass=" + classeX11.toUtf8()));
        printf("class: %s, %s\n", qPrintable(classeX11),
               lega ? "the launcher's" : "NOT THE LAUNCHER'S");
        rispondi.estranee += !lega;
        finestra.HELP_Click();
        finestra.calc_Click();
        finestra.cmdExit_Click();
        while (finestra.tempoRestante() > 0)
            finestra.Timer1_Timer();
        finestra.Timer1_Timer(); // time up, and the question
        app.exit(rispondi.estranee == 0 ? 0 : 1);
    });
    return app.exec();
}
