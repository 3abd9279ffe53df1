#include "tavola.h"

#include "decfraz.h"
#include "ui_tavola.h"

#include <QCursor>
#include <QFont>
#include <QLayout>
#include <QPixmap>
#include <QShowEvent>
#include <QTimer>

namespace {

// The form asks for the classic Windows faces; these are the free ones that
// look and measure alike on Linux.
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

QCursor puntatore(const QString &figura, int x, int y)
{
    return QCursor(QPixmap(figura), x, y);
}

} // namespace

static void caricaRisorse()
{
    // The pictures live in the ui library; a static library must ask for
    // its resources by name or the linker drops them.
    Q_INIT_RESOURCE(assets);
}

Tavola::Tavola(QWidget *parent) : Tavola(std::make_unique<CasualeOrologio>(), parent) {}

Tavola::Tavola(std::unique_ptr<SorgenteCasuale> casuale, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Tavola>()), casuale_(std::move(casuale))
{
    caricaRisorse();
    registraSostitutiCaratteri();
    ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (auto *etichetta : findChildren<EtichettaAuto *>())
        etichetta->seguiTesto();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);

    impostaPuntatori();
    connect(ui->cmdNext, &QPushButton::clicked, this, &Tavola::cmdNext_Click);
}

Tavola::~Tavola() = default;

void Tavola::impostaPuntatori()
{
    ui->centralwidget->setCursor(puntatore(":/cursore-mano.png", 11, 1));
    ui->cmdExit->setCursor(puntatore(":/cursore-saluto.png", 8, 6));
    ui->lblnome->setCursor(puntatore(":/cursore-corona.png", 3, 7));
}

void Tavola::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    if (primaAttivazione_ && !evento->spontaneous()) {
        primaAttivazione_ = false;
        Form_Activate();
    }
}

void Tavola::Form_Activate()
{
    cmdNext_Click();
}

QString Tavola::decfraz(Valore &intero, Valore &aperiodo, double &periodo)
{
    return QString::fromStdString(::decfraz(intero, aperiodo, periodo, Numeratore, Denominatore));
}

void Tavola::cmdNext_Click()
{
    ui->centralwidget->Cls();
    ui->Labela->setText(QString());
    ui->Labelp->setText(QString());
    ui->lblNum1->setText(QString());
    ui->txtAnswer->setText(QString());
    ui->lblMessage->setText(QString());
    ui->Text3->setText(QString());

    const Esercizio esercizio = estraiEsercizio(*casuale_);
    TipoPeriodico = esercizio.TipoPeriodico;
    ui->lblNum1->setText(QString::number(esercizio.ParteIntera));
    ui->Labela->setText(TipoPeriodico < 2 ? QString() : QString::number(esercizio.Antiperiodo));
    ui->Labelp->setText(QString::number(esercizio.Periodo));
    ui->Label10->resize(larghezzaBarra(esercizio.Periodo), ui->Label10->height());

    ParteIntera = Valore(ui->lblNum1->text().toStdString());
    Antiperiodo = Valore(ui->Labela->text().toStdString());
    Periodo = ui->Labelp->text().toDouble();
    ui->risultato->setText(decfraz(ParteIntera, Antiperiodo, Periodo));

    ui->cmdNext->setEnabled(false);
    dipingiSfumatura(esercizio.ParteIntera, esercizio.Antiperiodo);
    ui->txtAnswer->setFocus();
}

void Tavola::dipingiSfumatura(int parteIntera, int antiperiodo)
{
    for (int i = 0; i < BandeSfumatura; ++i) {
        const Rgb c = coloreBanda(parteIntera, antiperiodo, i);
        ui->centralwidget->banda(AltezzaBanda * i, AltezzaBanda, QColor(c.rosso, c.verde, c.blu));
    }
}
