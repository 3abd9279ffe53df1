#include "tavola.h"

#include "accessibilita.h"
#include "decfraz.h"
#include "dialoghi.h"
#include "facce.h"
#include "risorse.h"
#include "tastiera.h"
#include "ui_tavola.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLayout>
#include <QShowEvent>
#include <QTimer>

Tavola::Tavola(Servizi servizi, std::unique_ptr<SorgenteCasuale> casuale, QWidget *parent)
    : QMainWindow(parent), servizi_(servizi), casuale_(std::move(casuale))
{
    caricaRisorse();
    registraSostitutiCaratteri();
    registraEtichetteAccessibili();
    servizi_.dialoghi.appartengonoA(this);
    carica();
}

Tavola::~Tavola() = default;

// Builds every control afresh from the form, as a window that is loaded,
// and runs the start-up.
void Tavola::carica()
{
    ui = std::make_unique<Ui::Tavola>();
    ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    applicaFacce(this);

    for (auto *etichetta : findChildren<EtichettaAuto *>())
        etichetta->seguiTesto();

    // Precise: a coarse timer may stretch each second by up to 5 %.
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Tavola::Timer1_Timer);
    Timer1->start();

    connect(ui->cmdNext, &QPushButton::clicked, this, &Tavola::cmdNext_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &Tavola::cmdExit_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &Tavola::Command1_Click);
    connect(ui->Next, &QAction::triggered, this, &Tavola::Next_Click);
    connect(ui->HELP, &QAction::triggered, this, &Tavola::HELP_Click);
    connect(ui->calc, &QAction::triggered, this, &Tavola::calc_Click);
    ui->txtAnswer->installEventFilter(this);
    ui->Text3->installEventFilter(this);

    primaAttivazione_ = true;
    Form_Load();
}

// Closes the window and takes its controls and its clock away. The handler
// that asked for it may still be running inside one of them, so they are
// detached now and deleted once it has returned.
void Tavola::scarica()
{
    hide();
    Timer1->stop();
    QList<QObject *> vecchi = {Timer1, takeCentralWidget(), menuWidget()};
    for (QAction *azione : findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly))
        vecchi << azione;
    for (QObject *vecchio : vecchi) {
        vecchio->setParent(nullptr);
        vecchio->deleteLater();
    }
    Timer1 = nullptr;
}

// Runs before the window is shown: the name, the greeting, a fresh clock and
// counters, and the record as the files hold it.
void Tavola::Form_Load()
{
    inCaricamento_ = true;
    Timer1->stop();
    const QString nome = InputBox("Come ti chiami?");
    MsgBox(" " + nome + " vediamo se sei un vero campione  ");
    ui->lblnome1->setText(nome);
    AvviaOrologio();
    conteggi_.azzera();
    leggiRecord();
    orologio.TempoRestante =
        static_cast<std::int16_t>(Vicino(orologio.Secondi + Orologio::DurataGara));
    ui->lblconto->setText(QString::fromStdString(orologio.testo()));
    // A warning may have kept the clock waiting: its first second starts now.
    Timer1->start();
    inCaricamento_ = false;
}

// The record as the files hold it. A file that cannot be had is reported,
// no record is shown and the race goes on.
void Tavola::leggiRecord()
{
    const Record record = traguardo_.partenza();
    PercorsoDati = traguardo_.percorsoDati();
    ui->lblpunti->setText(record.punteggio);
    ui->lblnome->setText(record.nome);
}

void Tavola::AvviaOrologio()
{
    Timer1->start();
    orologio.azzera();
    ui->lblconto->setText(QString::fromStdString(orologio.testo()));
}

void Tavola::Timer1_Timer()
{
    if (inCaricamento_)
        return;
    const bool aZero = ui->lblconto->text() == "00:00:00";
    // Time may run out while one of the game's boxes is open; the question
    // waits for the first tick after it closes.
    if (boxAperte_ > 0 && (aZero || orologio.TempoRestante <= 0))
        return;

    if (aZero) {
        cmdExit_Click();
        if (terminato_)
            return;
    }
    if (orologio.TempoRestante <= 0) {
        MsgBox("Tempo scaduto");
        cmdExit_Click();
        if (terminato_)
            return;
        Timer1->stop();
        servizi_.campanello.suona();
        return;
    }
    orologio.unSecondoInMeno();
    ui->lblconto->setText(QString::fromStdString(orologio.testo()));
}

int Tavola::MsgBox(const QString &testo, int stile, const QString &titolo)
{
    ++boxAperte_;
    const int risposta = servizi_.dialoghi.MsgBox(testo, stile, titolo);
    --boxAperte_;
    return risposta;
}

QString Tavola::InputBox(const QString &domanda)
{
    ++boxAperte_;
    const QString testo = servizi_.dialoghi.InputBox(domanda);
    --boxAperte_;
    return testo;
}

void Tavola::impostaFigure()
{
    // The background is set here only, once, at the screen's density: the
    // form leaves Image1 empty so the picture is not decoded twice.
    const qreal densita = devicePixelRatioF();
    ui->Image1->setPixmap(figura(":/sfondo.png", ui->Image1->size(), densita));
    // Hot spots in the pointers' own 32 x 32 grid.
    const QSize puntatore(32, 32);
    ui->centralwidget->setCursor(QCursor(figura(":/cursore-mano.png", puntatore, densita), 11, 1));
    ui->cmdExit->setCursor(QCursor(figura(":/cursore-saluto.png", puntatore, densita), 8, 6));
    ui->lblnome->setCursor(QCursor(figura(":/cursore-corona.png", puntatore, densita), 3, 7));
}

void Tavola::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    Form_Resize();
    if (primaAttivazione_ && !evento->spontaneous()) {
        primaAttivazione_ = false;
        // Decoded for the window, not before the name prompt that precedes it.
        impostaFigure();
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
    ui->lblMessage->setText(QString());

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
    giudicato_ = false;

    const QString antiperiodo = ui->Labela->text().isEmpty()
                                    ? QStringLiteral("senza antiperiodo")
                                    : QStringLiteral("antiperiodo ") + ui->Labela->text();
    annuncia(ui->txtAnswer, QStringLiteral("Parte intera %1, %2, periodo %3.")
                                .arg(ui->lblNum1->text(), antiperiodo, ui->Labelp->text()));
    ui->cmdNext->setEnabled(false);
    dipingiSfumatura(esercizio.ParteIntera, esercizio.Antiperiodo);
    ui->txtAnswer->setFocus();
    // The boxes are cleared only now: Orca takes the first event it gets from
    // a box that has the focus as the focus change, and one that is a change
    // of text makes it announce nothing. Likewise the verdict leaves the
    // button once the focus has: Orca speaks a change to the focused control.
    ui->txtAnswer->setText(QString());
    ui->Text3->setText(QString());
    annuncia(ui->cmdNext, QString());
}

void Tavola::dipingiSfumatura(int parteIntera, int antiperiodo)
{
    for (int i = 0; i < BandeSfumatura; ++i) {
        const Rgb c = coloreBanda(parteIntera, antiperiodo, i);
        ui->centralwidget->banda(AltezzaBanda * i, AltezzaBanda, QColor(c.rosso, c.verde, c.blu));
    }
}

bool Tavola::eventFilter(QObject *oggetto, QEvent *evento)
{
    const bool casella = oggetto == ui->txtAnswer || oggetto == ui->Text3;
    if (!casella || evento->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(oggetto, evento);

    const int codice = codiceCarattere(*static_cast<QKeyEvent *>(evento));
    if (codice < 0)
        return false;
    if (oggetto == ui->txtAnswer)
        txtAnswer_KeyPress(codice);
    else
        Text3_KeyPress(codice);
    // A key that ends the answer is not typed into the box it leaves.
    return !tastoAccettato(codice);
}

void Tavola::txtAnswer_KeyPress(int KeyAscii)
{
    if (!tastoAccettato(KeyAscii))
        ui->Text3->setFocus();
}

void Tavola::Text3_KeyPress(int KeyAscii)
{
    if (tastoAccettato(KeyAscii))
        return;
    if (KeyAscii == 13)
        giudicaRisposta();
    ui->cmdNext->setEnabled(true);
    ui->cmdNext->setFocus();
}

void Tavola::giudicaRisposta()
{
    if (giudicato_)
        return;
    giudicato_ = true;

    // An empty box counts as 1, and the pupil sees it.
    if (ui->txtAnswer->text().isEmpty())
        ui->txtAnswer->setText("1");
    if (ui->Text3->text().isEmpty())
        ui->Text3->setText("1");

    const bool esatta = rispostaEsatta(ui->txtAnswer->text().toStdString(),
                                       ui->Text3->text().toStdString(), Numeratore, Denominatore);
    if (!esatta) {
        conteggi_.conta(false);
        ui->lblMessage->setText(
            QString::fromStdString(messaggioEsito(false, Numeratore, Denominatore)));
    }
    ui->centralwidget->impostaSfondo(Qt::black);
    ui->lblScore1->setText(QString::fromStdString(testoConteggio(conteggi_.RisposteErrate())));
    if (esatta) {
        conteggi_.conta(true);
        ui->lblMessage->setText(
            QString::fromStdString(messaggioEsito(true, Numeratore, Denominatore)));
    }
    ui->lblScore->setText(QString::fromStdString(testoConteggio(conteggi_.RisposteEsatte())));
    ui->lblScore2->setText(QString::fromStdString(testoConteggio(conteggi_.totale())));

    // Said by Orca with the button that takes the focus next.
    const QString esito =
        esatta ? QStringLiteral("Esatto.")
               : QStringLiteral("Sbagliato, la frazione giusta è %1 fratto %2.")
                     .arg(QString::fromStdString(Numeratore), QString::fromStdString(Denominatore));
    annuncia(ui->cmdNext,
             QStringLiteral("%1 Risposte esatte %2, Risposte errate %3, "
                            "Risposte totali %4.")
                 .arg(esito, ui->lblScore->text(), ui->lblScore1->text(), ui->lblScore2->text()));
}
