#include "accessibilita.h"

#include "superficie.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

// The labels on the game's own surface. Qt asks for a label's interface as
// soon as its first text is set, before the form has given it its heading,
// so the heading is looked up each time the name is read.
class EtichettaConTitolo : public QAccessibleWidget
{
public:
    explicit EtichettaConTitolo(QLabel *etichetta) : QAccessibleWidget(etichetta) {}

    QAccessible::Role role() const override
    {
        return etichetta()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text tipo) const override
    {
        if (tipo != QAccessible::Name)
            return QAccessibleWidget::text(tipo);
        const QString titolo = etichetta()->property("titolo").toString();
        const QString valore = etichetta()->text().trimmed();
        if (titolo.isEmpty())
            return etichetta()->accessibleName().isEmpty() ? valore : etichetta()->accessibleName();
        return valore.isEmpty() ? titolo : titolo + QStringLiteral(": ") + valore;
    }

private:
    const QLabel *etichetta() const { return static_cast<const QLabel *>(widget()); }
};

QAccessibleInterface *fabbrica(const QString &, QObject *oggetto)
{
    auto *etichetta = qobject_cast<QLabel *>(oggetto);
    if (etichetta && qobject_cast<Superficie *>(etichetta->parentWidget()))
        return new EtichettaConTitolo(etichetta);
    return nullptr;
}

} // namespace

void registraEtichetteAccessibili()
{
    static const bool fatto = (QAccessible::installFactory(fabbrica), true);
    (void)fatto;
}
