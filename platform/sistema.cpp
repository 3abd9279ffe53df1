#include "sistema.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

QString AvviatoreQt::trova(const QString &programma) const
{
    return QStandardPaths::findExecutable(programma);
}

bool AvviatoreQt::avviaStaccato(const QString &percorso, const QStringList &argomenti)
{
    return QProcess::startDetached(percorso, argomenti);
}

void UscitaQt::termina()
{
    QCoreApplication::exit(0);
}

const QList<Calcolatrice> &calcolatriciNote()
{
    // Only xcalc, an X toolkit program, can be asked to start iconified;
    // the others open as a normal window.
    static const QList<Calcolatrice> note = {
        {"gnome-calculator", {}}, {"kcalc", {}},         {"mate-calc", {}},
        {"galculator", {}},       {"qalculate-gtk", {}}, {"xcalc", {"-iconic"}},
    };
    return note;
}

void CampanelloQt::suona()
{
    QApplication::beep();
}

void legaAlLanciatore()
{
    // X11's class is the application's name, given here rather than taken
    // from the file the program was started as.
    QCoreApplication::setApplicationName(ClasseFinestra);
    QGuiApplication::setDesktopFileName(LanciatoreInstallato);
}
