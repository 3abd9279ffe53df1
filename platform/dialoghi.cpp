#include "dialoghi.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

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
// in its own bold face between the frame's icon and its buttons, and
// shortens a title that does not fit. A row that spans the box is made wide
// enough for the title, so the box's own layout gives it that width.
void allargaPerIlTitolo(QDialog &box, QWidget *rigaIntera)
{
    QFont faccia = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    faccia.setBold(true);
    const QFontMetrics misure(faccia);
    // The icon and up to three buttons, each about a line of the title
    // high, with the gaps and edges between them: six lines in all.
    int larghezza = misure.horizontalAdvance(box.windowTitle()) + 6 * misure.height();
    if (const QScreen *schermo = box.screen())
        larghezza = qMin(larghezza, schermo->availableGeometry().width());
    const QStyle *stile = box.style();
    larghezza -= stile->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, &box) +
                 stile->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, &box);
    rigaIntera->setMinimumWidth(larghezza);
}

} // namespace

int DialoghiQt::MsgBox(const QString &testo, int stile, const QString &titolo)
{
    QMessageBox box;
    box.setWindowTitle(titoloDa(titolo));
    box.setTextFormat(Qt::PlainText);
    box.setText(testo);
    box.setIcon(iconaDa(stile));

    allargaPerIlTitolo(box, box.findChild<QDialogButtonBox *>()); // the buttons' row

    if (chiedeSiNo(stile)) {
        QPushButton *si = box.addButton(QMessageBox::Yes);
        QPushButton *no = box.addButton(QMessageBox::No);
        box.setDefaultButton(stile & Stile::SecondoPredefinito ? no : si);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == si ? Risposta::Si : rispostaSenzaSi(stile);
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return Risposta::Ok;
}

QString DialoghiQt::InputBox(const QString &domanda, const QString &titolo)
{
    QInputDialog box;
    box.setWindowTitle(titoloDa(titolo));
    box.setLabelText(domanda);
    box.setInputMode(QInputDialog::TextInput);
    allargaPerIlTitolo(box, box.findChild<QLabel *>()); // the question
    if (box.exec() != QDialog::Accepted)
        return QString();
    return box.textValue();
}
