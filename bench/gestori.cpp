// Times the window's handlers in process on the offscreen platform, each
// VOLTE times (10,000 unless told):
//   cmdnext   a new exercise, cmdNext_Click;
//   giudizio  judging an answer: the fraction typed key by key into
//             txtAnswer and Text3 untimed, then Enter in Text3 timed; right
//             and wrong answers by turns;
//   nudo      Qt's floor: Enter in a bare window's line edit whose handler
//             relabels four labels, as judging does.
// Each alone and with the repaint it leaves. Prints "key value" lines:
// median and 99th percentile in microseconds, paints per repaint, and the
// answers the game counted, so a judging that went missing shows.
#include "banco.h"
#include "nudo.h"
#include "statistica.h"
#include "tavola.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// Rounds run before the timed ones, for caches and whatever Qt builds lazily.
constexpr int riscaldamento = 200;

// Counts the paint events any widget gets.
class ContaDipinti : public QObject
{
public:
    long dipinti = 0;
    bool eventFilter(QObject *, QEvent *evento) override
    {
        dipinti += evento->type() == QEvent::Paint;
        return false;
    }
};

void premi(QWidget *casella, int tasto, const QString &testo)
{
    QKeyEvent evento(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
    QApplication::sendEvent(casella, &evento);
}

// Digits and '/' have the same key code as their character.
void scrivi(QWidget *casella, const std::string &testo)
{
    for (char c : testo)
        premi(casella, c, QString(QChar(c)));
}

void premiInvio(QWidget *casella)
{
    premi(casella, Qt::Key_Return, "\r");
}

// Runs prepara(i) and the events it left untimed, then times azione(i)
// alone and with the events it leaves, the repaint among them. The first
// rounds only warm up.
template <typename Prepara, typename Azione>
void misura(const char *nome, int volte, ContaDipinti &conta, Prepara prepara, Azione azione)
{
    std::vector<double> gestore, conRipittura;
    long dipinti = 0;
    QElapsedTimer orologio;
    for (int i = 0; i < riscaldamento + volte; ++i) {
        prepara(i);
        QCoreApplication::processEvents();
        const long prima = conta.dipinti;
        orologio.start();
        azione(i);
        const qint64 soloGestore = orologio.nsecsElapsed();
        QCoreApplication::processEvents();
        const qint64 totale = orologio.nsecsElapsed();
        if (i < riscaldamento)
            continue;
        gestore.push_back(soloGestore / 1e3);
        conRipittura.push_back(totale / 1e3);
        dipinti += conta.dipinti - prima;
    }
    std::printf("%s_mediana %.1f\n%s_p99 %.1f\n", nome, mediana(gestore), nome,
                percentile(gestore, 99));
    std::printf("%s_rip_mediana %.1f\n%s_rip_p99 %.1f\n", nome, mediana(conRipittura), nome,
                percentile(conRipittura, 99));
    std::printf("%s_dipinti %.1f\n", nome, double(dipinti) / volte);
}

QString etichetta(QWidget *finestra, const char *nome)
{
    const auto *l = finestra->findChild<QLabel *>(nome);
    return l ? l->text() : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int volte = argc > 1 ? std::atoi(argv[1]) : 10000;
    // The game counts at most 32,767 answers.
    if (volte < 1 || volte > 16000) {
        std::fprintf(stderr, "usage: gestori [VOLTE, 1 to 16000]\n");
        return 2;
    }
    std::printf("qt %s\n", qVersion());
    ContaDipinti conta;
    app.installEventFilter(&conta);

    Banco banco;
    Tavola tavola(banco.servizi());
    tavola.show();
    QWidget *risposta = tavola.findChild<QLineEdit *>("txtAnswer");
    QWidget *denominatore = tavola.findChild<QLineEdit *>("Text3");
    if (!risposta || !denominatore) {
        std::fprintf(stderr, "gestori: no txtAnswer or Text3 in the window\n");
        return 1;
    }

    misura(
        "cmdnext", volte, conta, [](int) {}, [&](int) { tavola.cmdNext_Click(); });
    misura(
        "giudizio", volte, conta,
        [&](int i) {
            tavola.cmdNext_Click();
            scrivi(risposta, i % 2 ? tavola.numeratoreAtteso() + "0" : tavola.numeratoreAtteso());
            premiInvio(risposta);
            scrivi(denominatore, tavola.denominatoreAtteso());
        },
        [&](int) { premiInvio(denominatore); });
    const int giudicate = riscaldamento + volte;
    std::printf("giudicate %s\ngiudicate_attese %d\nesatte %s\nesatte_attese %d\n",
                qPrintable(etichetta(&tavola, "lblScore2")), giudicate,
                qPrintable(etichetta(&tavola, "lblScore")), (giudicate + 1) / 2);

    const FinestraNuda nuda = costruisciFinestraNuda();
    std::unique_ptr<QMainWindow> finestraNuda(nuda.finestra);
    QObject::connect(nuda.riga, &QLineEdit::returnPressed, [&nuda, n = 0]() mutable {
        ++n;
        for (QLabel *l : nuda.etichette)
            l->setText(QString::number(n));
    });
    finestraNuda->show();
    misura(
        "nudo", volte, conta, [](int) {}, [&](int) { premiInvio(nuda.riga); });
    return 0;
}
