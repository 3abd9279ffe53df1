#include "attesa.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <exception>
#include <memory>
#include <thread>

namespace {

// What the window and the thread share; whichever is last frees it.
struct Lavoro
{
    std::function<void()> fai;
    std::exception_ptr errore;
    std::atomic<bool> fatto{false};
};

} // namespace

bool aspettaAlPiu(std::function<void()> lavoro, int attesaMs)
{
    auto stato = std::make_shared<Lavoro>();
    stato->fai = std::move(lavoro);
    std::thread([stato] {
        try {
            stato->fai();
        } catch (...) {
            stato->errore = std::current_exception();
        }
        stato->fatto = true;
    }).detach();

    const QDeadlineTimer scadenza(attesaMs);
    QEventLoop ciclo;
    QTimer guarda;
    guarda.setInterval(10);
    QObject::connect(&guarda, &QTimer::timeout, &ciclo, [&] {
        if (stato->fatto || scadenza.hasExpired())
            ciclo.quit();
    });
    guarda.start();
    ciclo.exec(QEventLoop::ExcludeUserInputEvents);
    if (!stato->fatto)
        return false;
    if (stato->errore)
        std::rethrow_exception(stato->errore);
    return true;
}
