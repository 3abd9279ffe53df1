#pragma once

#include <QLabel>

#include <optional>

// A label whose size follows its text, as a counter or a name grows.
//
// The form gives each such label the size that suits its first text; once
// seguiTesto() is called, every new text resizes the label to the size Qt
// wants for it plus that same margin, so "0" and "7" keep the form's size
// and "1234" grows to the right from the same corner; a text never gets less
// room than Qt wants for it. The margin is measured when the first new text
// comes, so a label that never changes never loads its face before it is
// shown.
class EtichettaAuto : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    void seguiTesto();

    // Resizes at once. QLabel::setText is not virtual: a text written
    // through a QLabel pointer is fitted as soon as events run, before the
    // label is painted.
    void setText(const QString &testo);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;

private:
    void adatta();
    // Fits a text written behind setText's back.
    void raggiungiTesto();

    std::optional<QSize> scarto_;
    bool segue_ = false;
    // The text the size fits: the form's, until a new one comes.
    QString adattato_;
};
