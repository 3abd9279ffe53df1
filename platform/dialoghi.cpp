#include "dialoghi.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
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

} // namespace

// Once the game's window is on screen a box is its child: the desktop
// places it over the window, gives it no task bar entry of its own and keeps
// it above.
void DialoghiQt::appartengonoA(QWidget *finestra)
{
    finestra_ = finestra;
}

QWidget *DialoghiQt::genitore() const
{
    return finestra_ && finestra_->isVisible() ? finestra_.data() : nullptr;
}

// The name prompt and the greeting come before the window is shown. X11
// lets a box be transient for a window not yet mapped, so there they are
// marked as the window's all the same, and keep Qt's place for them,
// mid-screen. Wayland gives a box a parent only if the parent is on screen:
// there they stand on their own, known as the game's by its application id.
void DialoghiQt::affida(QDialog &box) const
{
    if (!finestra_ || box.parentWidget() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
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
