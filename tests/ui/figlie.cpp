// A game whose real boxes are each answered with Escape as soon as they
// open: name prompt, greeting, help, no calculator, leaving, time up. Prints
// each box and fails unless all belong to the game's window: on X11 by
// WM_TRANSIENT_FOR as the server holds it, and the window's class must be
// the launcher's (argument 1); elsewhere by Qt's transient parent, as the
// Wayland script reads the protocol itself, for every box but the two that
// come before the window is shown.

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

int estranee = 0;

void rispondi(QDialog *box)
{
    QWidget *finestra = nullptr; // the window: the first boxes come from its constructor
    for (QWidget *w : QApplication::topLevelWidgets())
        finestra = qobject_cast<Tavola *>(w) ? w : finestra;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    // Only X11 lets a box belong to a window not yet shown.
    const bool prima = !x11 && finestra && !finestra->isVisible();
    bool sua = finestra && box->windowHandle()->transientParent() == finestra->windowHandle();
    if (x11) {
        Window padre = 0;
        sua = XGetTransientForHint(x11->display(), box->winId(), &padre) && finestra &&
              padre == finestra->winId();
    }
    estranee += !sua && !prima;
    const auto *testo = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    printf("%s: %s\n", qPrintable(testo ? testo->text() : box->windowTitle()),
           prima ? "before the window"
           : sua ? "belongs"
                 : "DOES NOT BELONG");
    QTest::keyClick(box, Qt::Key_Escape);
}

class Risponditore : public QObject
{
protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (auto *box = qobject_cast<QDialog *>(oggetto); box && evento->type() == QEvent::Show)
            QTimer::singleShot(0, box, [box] { rispondi(box); });
        return false;
    }
};

bool classeDelLanciatore(QWidget *finestra, const QString &lanciatore)
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    XClassHint classe{};
    if (!x11 || !XGetClassHint(x11->display(), finestra->winId(), &classe))
        return true; // not X11
    const QByteArray riga = QByteArray("StartupWMClass=") + classe.res_class;
    XFree(classe.res_name);
    XFree(classe.res_class);
    QFile file(lanciatore);
    const bool nomina = file.open(QIODevice::ReadOnly) && file.readAll().split('\n').contains(riga);
    printf("%s: %s\n", riga.constData(), nomina ? "the launcher's" : "NOT THE LAUNCHER'S");
    return nomina;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    legaAlLanciatore();
    DialoghiQt dialoghi;
    AvviatoreFinto avviatore; // finds no calculator
    struct : Uscita
    {
        void termina() override {}
    } uscita; // every question is answered No
    CampanelloFinto campanello;
    Risponditore risponditore;
    app.installEventFilter(&risponditore);
    setvbuf(stdout, nullptr, _IOLBF, 0);

    QTimer::singleShot(0, [&] {
        Tavola finestra(Servizi{dialoghi, avviatore, uscita, campanello});
        finestra.show();
        estranee += !QTest::qWaitForWindowExposed(&finestra);
        estranee += !classeDelLanciatore(&finestra, app.arguments().value(1));
        finestra.HELP_Click();
        finestra.calc_Click();
        finestra.cmdExit_Click();
        while (finestra.tempoRestante() > 0)
            finestra.Timer1_Timer();
        finestra.Timer1_Timer(); // time up, and the question
        app.exit(estranee == 0 ? 0 : 1);
    });
    return app.exec();
}
