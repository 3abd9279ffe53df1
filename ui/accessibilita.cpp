#include "accessibilita.h"

#include "superficie.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// The labels and the fraction bar on the game's own surface. Qt asks for an
// interface as soon as the form sets a first text or name, before it has
// given the rest of the properties, so each one is looked up when it is read.
class SullaSuperficie : public QAccessibleWidget
{
public:
    explicit SullaSuperficie(QWidget *controllo) : QAccessibleWidget(controllo) {}

    QAccessible::Role role() const override
    {
        const QLabel *e = etichetta();
        return e && e->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    // An empty value is never told as hidden: Qt can tell a reader that a
    // control shows again but not that it is visible again, and Orca would
    // keep leaving it out. Empty, it has an empty name and says nothing.
    QAccessible::State state() const override
    {
        QAccessible::State stato = QAccessibleWidget::state();
        if (widget()->property("soloVisiva").toBool())
            stato.invisible = true;
        return stato;
    }

    QString text(QAccessible::Text tipo) const override
    {
        if (tipo != QAccessible::Name || !etichetta())
            return QAccessibleWidget::text(tipo);
        if (titolo().isEmpty())
            return widget()->accessibleName().isEmpty() ? valore() : widget()->accessibleName();
        if (valore().isEmpty())
            return testoSeVuota();
        return titolo() + QLatin1Char(' ') + testoDaDire(valore());
    }

private:
    const QLabel *etichetta() const { return qobject_cast<const QLabel *>(widget()); }
    QString titolo() const { return widget()->property("titolo").toString(); }
    QString testoSeVuota() const { return widget()->property("vuota").toString(); }
    QString valore() const { return etichetta() ? etichetta()->text().trimmed() : QString(); }
};

QAccessibleInterface *fabbrica(const QString &, QObject *oggetto)
{
    auto *controllo = qobject_cast<QWidget *>(oggetto);
    if (!controllo || !qobject_cast<Superficie *>(controllo->parentWidget()))
        return nullptr;
    const bool disegno =
        qobject_cast<QLabel *>(controllo) || oggetto->metaObject() == &QFrame::staticMetaObject;
    // The boxes the form hides hold the game's workings, the right answer
    // among them: as boxes they would still give their text to a screen
    // reader's "say all", so they are shown to it as hidden drawings.
    const bool nascosta = qobject_cast<QLineEdit *>(controllo) && controllo->isHidden();
    if (disegno || nascosta)
        return new SullaSuperficie(controllo);
    return nullptr;
}

QString conUnita(int quanti, const char *una, const char *tante)
{
    return QString::number(quanti) + QLatin1Char(' ') + QLatin1String(quanti == 1 ? una : tante);
}

} // namespace

void registraEtichetteAccessibili()
{
    static const bool fatto = (QAccessible::installFactory(fabbrica), true);
    (void)fatto;
}

QString testoDaDire(const QString &testo)
{
    static const QRegularExpression orologio(QStringLiteral("^(\\d+)[:.](\\d\\d)[:.](\\d\\d)$"));
    const QRegularExpressionMatch ora = orologio.match(testo.trimmed());
    if (ora.hasMatch()) {
        QStringList parti;
        if (const int ore = ora.captured(1).toInt())
            parti << conUnita(ore, "ora", "ore");
        if (const int minuti = ora.captured(2).toInt())
            parti << conUnita(minuti, "minuto", "minuti");
        const int secondi = ora.captured(3).toInt();
        if (secondi || parti.isEmpty())
            parti << conUnita(secondi, "secondo", "secondi");
        return parti.join(QLatin1String(" e "));
    }
    static const QRegularExpression barra(QStringLiteral("\\s*/\\s*"));
    static const QRegularExpression esclamazioni(QStringLiteral("\\s*!+\\s*(?=[^\\s!])"));
    static const QRegularExpression muti(QStringLiteral("[!:]"));
    QString detto = testo;
    detto.replace(barra, QStringLiteral(" fratto "));
    detto.replace(esclamazioni, QStringLiteral(", "));
    detto.replace(muti, QStringLiteral(" "));
    return detto.simplified();
}

void annuncia(QWidget *controllo, const QString &fatto)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Said as a message of its own, after what the focus change says.
    if (!fatto.isEmpty()) {
        QAccessibleAnnouncementEvent annuncio(controllo, fatto);
        QAccessible::updateAccessibility(&annuncio);
    }
#else
    // The form's own description is the help that follows every message.
    const char *aiuto = "aiutoAccessibile";
    if (!controllo->property(aiuto).isValid())
        controllo->setProperty(aiuto, controllo->accessibleDescription());
    const QString solo = controllo->property(aiuto).toString();
    controllo->setAccessibleDescription(fatto.isEmpty() ? solo : fatto + QLatin1Char(' ') + solo);
#endif
}
