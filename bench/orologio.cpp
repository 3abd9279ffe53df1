// Times a one-second clock against the monotonic clock, from its first tick
// so that the start-up does not count:
//
//   orologio gioco [TICKS]   the game's own, its QTimer "Timer1" in Tavola
//   orologio nudo [TICKS]    a bare Qt timer alike, relabelling a bare window
//
// Prints "key value" lines: the error at the last tick and the worst single
// tick in milliseconds, and for the game the seconds its clock counted.
#include "banco.h"
#include "nudo.h"
#include "tavola.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QTime>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool gioco = argc > 1 && std::strcmp(argv[1], "gioco") == 0;
    const int tick = argc > 2 ? std::atoi(argv[2]) : 60;
    if (tick < 2) {
        std::fprintf(stderr, "usage: orologio gioco|nudo [TICKS >= 2]\n");
        return 2;
    }

    Banco banco;
    std::unique_ptr<QMainWindow> finestra;
    QTimer *timer;
    Tavola *tavola = nullptr;
    if (gioco) {
        tavola = new Tavola(banco.servizi());
        finestra.reset(tavola);
        timer = tavola->findChild<QTimer *>("Timer1");
    } else {
        const FinestraNuda nuda = costruisciFinestraNuda();
        finestra.reset(nuda.finestra);
        timer = new QTimer(finestra.get());
        timer->setInterval(1000);
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, [etichetta = nuda.etichette[0]] {
            etichetta->setText(QTime::currentTime().toString("hh:mm:ss"));
        });
        timer->start();
    }
    if (!timer) {
        std::fprintf(stderr, "orologio: no QTimer \"Timer1\" in the window\n");
        return 1;
    }
    finestra->show();

    // Connected after the clock's own handler, so each tick is stamped once
    // that handler has run.
    QElapsedTimer monotono;
    monotono.start();
    std::vector<qint64> istanti;
    int restanteAlPrimo = 0;
    QObject::connect(timer, &QTimer::timeout, [&] {
        istanti.push_back(monotono.nsecsElapsed());
        if (tavola && istanti.size() == 1)
            restanteAlPrimo = tavola->tempoRestante();
        if (istanti.size() == size_t(tick))
            app.quit();
    });
    // A clock that stops must not hang the run.
    QTimer::singleShot((tick + 10) * 1000, &app, &QApplication::quit);
    app.exec();
    if (istanti.size() < size_t(tick)) {
        std::fprintf(stderr, "orologio: only %zu of %d ticks came\n", istanti.size(), tick);
        return 1;
    }

    double peggiore = 0;
    for (size_t k = 1; k < istanti.size(); ++k)
        peggiore = std::max(peggiore, std::abs((istanti[k] - istanti[k - 1]) / 1e6 - 1000));
    const double errore = (istanti.back() - istanti.front()) / 1e6 - 1000.0 * (tick - 1);
    std::printf("errore_ms %.3f\npeggiore_ms %.3f\n", errore, peggiore);
    if (tavola)
        std::printf("contati %d\n", restanteAlPrimo - tavola->tempoRestante());
    return 0;
}
