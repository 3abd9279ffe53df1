#include "facce.h"

#include <QFont>
#include <QFrame>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace {

// A face by the name the form's first desktop knew it. Sizes are in points,
// some of them fractional, as that desktop measured them.
struct Carattere
{
    const char *famiglia = nullptr; // none: the desktop's own
    qreal punti = 0;
    bool grassetto = false;
    bool corsivo = false;
};

const Carattere Sans8{"MS Sans Serif", 8.25, true};
const Carattere Sans10{"MS Sans Serif", 9.75, true};
const Carattere Sans12{"MS Sans Serif", 12, true};
const Carattere Sans14{"MS Sans Serif", 13.5, false};
const Carattere Sans14Nero{"MS Sans Serif", 13.5, true};
const Carattere Sans18{"MS Sans Serif", 18, false};
const Carattere Sans24Corsivo{"MS Sans Serif", 24, true, true};
const Carattere Times36{"Times New Roman", 36, true};
const Carattere Arial48{"Arial", 48, true};
const Carattere ArialBlack12{"Arial Black", 12, true};
const Carattere Desktop{};

// A colour the table leaves to the desktop.
constexpr QRgb Nessuno = 0;
constexpr QRgb Rosso = 0xffff0000, Verde = 0xff00ff00, VerdeChiaro = 0xff80ff80,
               VerdeScuro = 0xff008000, Ciano = 0xff00ffff, Giallo = 0xffffff00,
               Magenta = 0xffff00ff, Blu = 0xff0000ff, Nero = 0xff000000;

// A raised panel edge drawn in one colour on both sides.
struct Bordo
{
    QRgb colore = Nessuno;
    int spessore = 0; // none: no frame at all
};
const Bordo Sottile{Nero, 1};
const Bordo BluDoppio{Blu, 2};

// Text is the writing; a background is painted opaque (for a box, its
// field). Each colour holds for an active, an inactive and a disabled window.
struct Faccia
{
    const char *controllo;
    Carattere carattere;
    QRgb testo;
    QRgb fondo;
    Bordo bordo;
};

// clang-format off
const Faccia Facce[] = {
    // the exercise and the answer
    {"lblNum1",    Arial48,       Rosso,       Ciano,   Sottile},
    {"Label9",     Arial48,       Rosso,       Nessuno, {}},
    {"Labela",     Arial48,       Verde,       Ciano,   Sottile},
    {"Labelp",     Arial48,       Magenta,     Ciano,   Sottile},
    {"Label10",    Desktop,       Nessuno,     Magenta, {}},
    {"Label4",     Arial48,       Verde,       Nessuno, {}},
    {"lblNum2",    Arial48,       Nessuno,     Ciano,   Sottile},
    {"txtAnswer",  Arial48,       Blu,         Ciano,   {}},
    {"Shape1",     Desktop,       Nessuno,     Giallo,  BluDoppio},
    {"Text3",      Arial48,       Blu,         Ciano,   {}},
    {"Label2",     Sans12,        Rosso,       Nessuno, {}},
    {"Label5",     Sans12,        Verde,       Nessuno, {}},
    {"Label7",     Sans12,        Magenta,     Nessuno, {}},
    {"lblMessage", Sans24Corsivo, Rosso,       Nessuno, {}},
    // the clock
    {"Label11",    Sans10,        Giallo,      Nessuno, {}},
    {"lblconto",   ArialBlack12,  Giallo,      Nessuno, Sottile},
    // the counters
    {"Label6",     Sans18,        VerdeChiaro, Nessuno, Sottile},
    {"lblScore",   Times36,       VerdeChiaro, Nessuno, Sottile},
    {"Label1",     Sans18,        Rosso,       Nessuno, Sottile},
    {"lblScore1",  Times36,       Rosso,       Nessuno, Sottile},
    {"Label3",     Sans18,        Ciano,       Nessuno, Sottile},
    {"lblScore2",  Times36,       Ciano,       Nessuno, Sottile},
    // the buttons
    {"cmdNext",    Sans8,         Nessuno,     Nessuno, {}},
    {"cmdExit",    Sans8,         Nessuno,     Nessuno, {}},
    // the pupil and the record
    {"Label14",    Sans14,        VerdeScuro,  Nessuno, Sottile},
    {"lblnome1",   Sans14Nero,    VerdeScuro,  Nessuno, Sottile},
    {"Label12",    Sans18,        Ciano,       Nessuno, {}},
    {"lblnome",    Sans18,        Ciano,       Nessuno, {}},
    {"Label13",    Sans18,        Ciano,       Nessuno, {}},
    {"lblpunti",   Sans18,        Verde,       Nessuno, {}},
};
// clang-format on

void applica(QWidget *controllo, const Faccia &faccia)
{
    const Carattere &c = faccia.carattere;
    if (c.famiglia) {
        // Only what the face says is set: the rest still follows the window.
        QFont carattere;
        carattere.setFamilies({QString::fromLatin1(c.famiglia)});
        carattere.setPointSizeF(c.punti);
        carattere.setBold(c.grassetto);
        if (c.corsivo)
            carattere.setItalic(true);
        controllo->setFont(carattere);
    }

    const bool casella = qobject_cast<QLineEdit *>(controllo);
    QPalette colori;
    if (faccia.testo != Nessuno)
        colori.setColor(casella ? QPalette::Text : QPalette::WindowText, faccia.testo);
    if (faccia.fondo != Nessuno) {
        colori.setColor(QPalette::Window, faccia.fondo);
        if (casella)
            colori.setColor(QPalette::Base, faccia.fondo);
    }
    if (faccia.bordo.spessore > 0) {
        colori.setColor(QPalette::Light, faccia.bordo.colore);
        colori.setColor(QPalette::Dark, faccia.bordo.colore);
    }
    if (colori.resolveMask() != 0)
        controllo->setPalette(colori);
    // A box paints its own field; a label is opaque only where asked.
    if (faccia.fondo != Nessuno && !casella)
        controllo->setAutoFillBackground(true);

    if (auto *cornice = qobject_cast<QFrame *>(controllo); cornice && faccia.bordo.spessore > 0) {
        cornice->setFrameShape(QFrame::Panel);
        cornice->setFrameShadow(QFrame::Raised);
        cornice->setLineWidth(faccia.bordo.spessore);
    }
}

} // namespace

void registraSostitutiCaratteri()
{
    static bool fatto = false;
    if (fatto)
        return;
    fatto = true;
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial Black", {"DejaVu Sans", "Liberation Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
}

void applicaFacce(QWidget *finestra)
{
    for (const Faccia &faccia : Facce)
        if (auto *controllo = finestra->findChild<QWidget *>(QLatin1String(faccia.controllo)))
            applica(controllo, faccia);
}
