#include "dialoghi.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

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

} // namespace

int DialoghiQt::MsgBox(const QString &testo, int stile, const QString &titolo)
{
    QMessageBox box;
    box.setWindowTitle(titoloDa(titolo));
    box.setTextFormat(Qt::PlainText);
    box.setText(testo);
    box.setIcon(iconaDa(stile));

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
    if (box.exec() != QDialog::Accepted)
        return QString();
    return box.textValue();
}
