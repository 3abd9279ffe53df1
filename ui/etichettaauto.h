#pragma once

#include <QLabel>

#include <optional>

// A label whose size follows its text, as a counter or a name grows.
//
// The form gives each such label the size that suits its first text; once
// seguiTesto() is called, every new text resizes the label to the size Qt
// wants for it plus that same margin, so "0" and "7" keep the form's size
// and "1234" grows to the right from the same corner; a text never gets less
// room than Qt wants for it. The margin is measured
// when the first new text comes, so a label that never changes never loads
// its face before it is shown.
class EtichettaAuto : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    void seguiTesto();

    // Hides QLabel::setText, which is not virtual: the window writes these
    // labels through their own type.
    void setText(const QString &testo);

private:
    std::optional<QSize> scarto_;
    bool segue_ = false;
};
