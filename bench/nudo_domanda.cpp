// Qt's floor for the game's first window: an application that shows only
// the name prompt, with the game's title and question.
#include <QApplication>
#include <QInputDialog>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QInputDialog box;
    box.setWindowTitle("Zeffirano");
    box.setLabelText("Come ti chiami?");
    box.setInputMode(QInputDialog::TextInput);
    return box.exec() == QDialog::Accepted ? 0 : 1;
}
