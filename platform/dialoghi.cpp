#include "dialoghi.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace {

QMessageBox::Icon iconaDa(int stile)
{
    switch (stile & 0x70) {
    case Stile::Critico:
        return QMessageBox::Critical;
    case Stile::Domanda:
        return QMessageBox::Question;
    case Stile::Avviso:
        return QMessageBox::Warning;
    case Stile::Informazione:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Qt sizes a box by what it holds, but the window manager writes the title
// in its own bold face, and shortens a title that does not fit. Many title
// bars (KWin's Breeze, the one Qt draws itself on Wayland) centre the title
// on the whole bar while the icon and the buttons hold its ends, so the
// title needs its own width plus twice the wider end. Each end is given room
// for three buttons, each about a line of the title high, with the gaps and
// the frame's edge: five lines. The title itself is measured a quarter
// wider, as the desktop's face may be larger than Qt's. A row that spans
// the box is made that wide, so the box's own layout gives it the width.
void allargaPerIlTitolo(QDialog &box, QWidget *rigaIntera)
{
    QFont faccia = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    faccia.setBold(true);
    const QFontMetrics misure(faccia);
    int larghezza = misure.horizontalAdvance(box.windowTitle()) * 5 / 4 + 2 * 5 * misure.height();
    if (const QScreen *schermo = box.screen())
        larghezza = qMin(larghezza, schermo->availableGeometry().width());
    const QStyle *stile = box.style();
    larghezza -= stile->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, &box) +
                 stile->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, &box);
    rigaIntera->setMinimumWidth(larghezza);
}

// Runs events until the desktop has the window on screen, a second at most:
// a box that names as its parent a window not yet mapped gets no parent.
class AttesaSchermo : public QObject
{
public:
    explicit AttesaSchermo(QWindow *finestra)
    {
        if (!finestra || finestra->isExposed())
            return;
        finestra->installEventFilter(this);
        QTimer::singleShot(1000, &ciclo_, &QEventLoop::quit);
        ciclo_.exec();
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Expose && static_cast<QWindow *>(oggetto)->isExposed())
            ciclo_.quit();
        return false;
    }

private:
    QEventLoop ciclo_;
};

} // namespace

// Once the game's window is on screen a box is its child: the desktop
// places it over the window, gives it no task bar entry of its own and keeps
// it above. On X11 the name prompt and the greeting come before the window
// is shown; they are marked transient for it all the same, which X11 allows
// of a window not yet mapped, and keep Qt's place for them, mid-screen.
QWidget *DialoghiQt::genitore() const
{
    return finestra_ && finestra_->isVisible() ? finestra_.data() : nullptr;
}

// Wayland gives a box a parent only if the parent is on screen.
bool DialoghiQt::servonoFinestraMostrata() const
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void DialoghiQt::affida(QDialog &box) const
{
    if (!finestra_)
        return;
    if (box.parentWidget()) {
        if (servonoFinestraMostrata())
            AttesaSchermo attesa(finestra_->windowHandle());
        return;
    }
    finestra_->winId();
    box.winId();
    box.windowHandle()->setTransientParent(finestra_->windowHandle());
    // Qt would centre it on the place the window has before it is shown.
    box.adjustSize();
    if (const QScreen *schermo = box.screen())
        box.move(schermo->availableGeometry().center() - box.rect().center());
}

int DialoghiQt::MsgBox(const QString &testo, int stile, const QString &titolo)
{
    QMessageBox box(genitore());
    box.setWindowTitle(titoloDa(titolo));
    box.setTextFormat(Qt::PlainText);
    box.setText(testo);
    box.setIcon(iconaDa(stile));

    allargaPerIlTitolo(box, box.findChild<QDialogButtonBox *>()); // the buttons' row

    QPushButton *si = nullptr;
    if (chiedeSiNo(stile)) {
        si = box.addButton(QMessageBox::Yes);
        QPushButton *no = box.addButton(QMessageBox::No);
        box.setDefaultButton(stile & Stile::SecondoPredefinito ? no : si);
        box.setEscapeButton(no);
    } else {
        box.addButton(QMessageBox::Ok);
    }
    affida(box);
    box.exec();
    return si && box.clickedButton() == si ? Risposta::Si : rispostaSenzaSi(stile);
}

QString DialoghiQt::InputBox(const QString &domanda, const QString &titolo)
{
    QInputDialog box(genitore());
    box.setWindowTitle(titoloDa(titolo));
    box.setLabelText(domanda);
    box.setInputMode(QInputDialog::TextInput);
    allargaPerIlTitolo(box, box.findChild<QLabel *>()); // the question
    affida(box);
    if (box.exec() != QDialog::Accepted)
        return QString();
    return box.textValue();
}
