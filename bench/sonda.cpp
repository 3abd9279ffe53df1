// Starts programs under the X server in DISPLAY and times, from the fork
// that starts them, when their windows are mapped, by listening for the map
// events on the root window. Answers the game's name prompt and greeting
// with xdotool as a pupil would, and reads the resident memory once the main
// window has been on screen for a second.
//
//   sonda RUNS GAME BARE_PROMPT BARE_WINDOW
//
// The three programs take turns in each of RUNS rounds, after one round that
// only warms up, so a slow spell of the machine hits them all. Prints
// "key value" lines: medians in milliseconds and KiB.
#include "statistica.h"

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

namespace fs = std::filesystem;
using Tempo = std::chrono::steady_clock;
using namespace std::chrono_literals;

double ms(Tempo::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The program under test, killed and its folder removed however the run ends.
struct Figlio
{
    pid_t pid = -1;
    Tempo::time_point avvio;
    fs::path cartella;

    Figlio() = default;
    Figlio(const Figlio &) = delete;
    Figlio &operator=(const Figlio &) = delete;
    ~Figlio();

    void ferma()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            pid = -1;
        }
        std::error_code ignorato;
        fs::remove_all(cartella, ignorato);
    }
};

Figlio *inCorso = nullptr;

Figlio::~Figlio()
{
    ferma();
    if (inCorso == this)
        inCorso = nullptr;
}

[[noreturn]] void muori(const std::string &perche)
{
    std::fprintf(stderr, "sonda: %s\n", perche.c_str());
    if (inCorso) {
        std::ifstream registro(inCorso->cartella / "registro");
        std::fprintf(stderr, "its output:\n%s\n",
                     std::string(std::istreambuf_iterator<char>(registro), {}).c_str());
        inCorso->ferma();
    }
    std::exit(1);
}

// The argv or envp form of strings that outlive it.
std::vector<char *> perExec(std::vector<std::string> &testi)
{
    std::vector<char *> c;
    for (auto &testo : testi)
        c.push_back(testo.data());
    c.push_back(nullptr);
    return c;
}

// Starts a program with a home, data folder and runtime folder of its own,
// so no run finds what an earlier one left.
void avvia(Figlio &figlio, const std::string &programma)
{
    char modello[] = "/tmp/zeffirano-sonda-XXXXXX";
    if (!mkdtemp(modello))
        muori("cannot make a folder in /tmp");
    figlio.cartella = modello;
    std::map<std::string, std::string> ambiente;
    for (char **v = environ; *v; ++v) {
        const std::string voce = *v;
        const auto uguale = voce.find('=');
        ambiente[voce.substr(0, uguale)] = voce.substr(uguale + 1);
    }
    for (const char *nome : {"casa", "dati", "run"}) {
        fs::create_directory(figlio.cartella / nome);
        fs::permissions(figlio.cartella / nome, fs::perms::owner_all);
    }
    ambiente["HOME"] = figlio.cartella / "casa";
    ambiente["XDG_DATA_HOME"] = figlio.cartella / "dati";
    ambiente["XDG_RUNTIME_DIR"] = figlio.cartella / "run";
    ambiente["QT_QPA_PLATFORM"] = "xcb";
    std::vector<std::string> voci;
    for (const auto &[nome, valore] : ambiente)
        voci.push_back(nome + "=" + valore);
    const std::vector<char *> envp = perExec(voci);
    const int registro =
        open((figlio.cartella / "registro").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    inCorso = &figlio;
    figlio.avvio = Tempo::now();
    figlio.pid = fork();
    if (figlio.pid < 0)
        muori("cannot fork");
    if (figlio.pid == 0) {
        dup2(registro, STDOUT_FILENO);
        dup2(registro, STDERR_FILENO);
        char *argv[] = {const_cast<char *>(programma.c_str()), nullptr};
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    close(registro);
}

void vivo(const Figlio &figlio)
{
    int stato;
    if (waitpid(figlio.pid, &stato, WNOHANG) == figlio.pid)
        muori("the program ended before it was measured, status " + std::to_string(stato));
}

// Runs xdotool with these arguments and waits for it.
void xdotool(std::vector<std::string> argomenti)
{
    argomenti.insert(argomenti.begin(), "xdotool");
    const std::vector<char *> argv = perExec(argomenti);
    const pid_t pid = fork();
    if (pid < 0)
        muori("cannot fork");
    if (pid == 0) {
        const int nulla = open("/dev/null", O_WRONLY);
        dup2(nulla, STDOUT_FILENO);
        execvp("xdotool", argv.data());
        _exit(127);
    }
    int stato = 0;
    waitpid(pid, &stato, 0);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        muori("xdotool failed");
}

struct Mappata
{
    xcb_window_t finestra;
    Tempo::time_point quando;
    std::string titolo;
    int larghezza;
};

// The X server's map events for windows on the root: every top-level
// window, as there is no window manager to reparent them.
class Schermo
{
public:
    Schermo() : x_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(x_))
            muori("cannot open the display in DISPLAY");
        radice_ = xcb_setup_roots_iterator(xcb_get_setup(x_)).data->root;
        const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x_, radice_, XCB_CW_EVENT_MASK, &maschera);
        nomeNet_ = atomo("_NET_WM_NAME");
        utf8_ = atomo("UTF8_STRING");
    }
    ~Schermo() { xcb_disconnect(x_); }
    Schermo(const Schermo &) = delete;
    Schermo &operator=(const Schermo &) = delete;

    // The next window the program maps, menus and tooltips aside (they
    // bypass window management); dies if the program ends or none comes
    // within the time given.
    Mappata prossima(const Figlio &figlio, Tempo::duration attesa, const char *cosa)
    {
        if (auto m = entro(figlio, attesa))
            return *m;
        muori(std::string("no ") + cosa + " within " + std::to_string(ms(attesa)) + " ms");
    }

    std::optional<Mappata> entro(const Figlio &figlio, Tempo::duration attesa)
    {
        const auto scadenza = Tempo::now() + attesa;
        for (;;) {
            while (auto evento = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>(
                       xcb_poll_for_event(x_), &std::free)) {
                const auto quando = Tempo::now();
                if ((evento->response_type & 0x7f) != XCB_MAP_NOTIFY)
                    continue;
                const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(evento.get());
                if (!m->override_redirect)
                    return Mappata{m->window, quando, titolo(m->window), larghezza(m->window)};
            }
            if (xcb_connection_has_error(x_))
                muori("lost the X server");
            vivo(figlio);
            const auto resta =
                std::chrono::ceil<std::chrono::milliseconds>(scadenza - Tempo::now());
            if (resta <= 0ms)
                return std::nullopt;
            pollfd attesaX{xcb_get_file_descriptor(x_), POLLIN, 0};
            poll(&attesaX, 1, int(std::min<long>(resta.count(), 50)));
        }
    }

private:
    xcb_atom_t atomo(const char *nome)
    {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> r(
            xcb_intern_atom_reply(x_, xcb_intern_atom(x_, 0, std::strlen(nome), nome), nullptr),
            &std::free);
        return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    std::string titolo(xcb_window_t finestra)
    {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> r(
            xcb_get_property_reply(x_, xcb_get_property(x_, 0, finestra, nomeNet_, utf8_, 0, 256),
                                   nullptr),
            &std::free);
        if (!r)
            return {};
        return std::string(static_cast<const char *>(xcb_get_property_value(r.get())),
                           xcb_get_property_value_length(r.get()));
    }

    int larghezza(xcb_window_t finestra)
    {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> r(
            xcb_get_geometry_reply(x_, xcb_get_geometry(x_, finestra), nullptr), &std::free);
        return r ? r->width : 0;
    }

    xcb_connection_t *x_;
    xcb_window_t radice_;
    xcb_atom_t nomeNet_;
    xcb_atom_t utf8_;
};

const std::string Titolo = "Zeffirano";
constexpr int LarghezzaFinestra = 669;
constexpr auto AttesaAvvio = 20s;

Mappata controlla(Mappata m, const char *cosa, int larghezza = 0)
{
    if (m.titolo != Titolo)
        muori(std::string(cosa) + " is titled '" + m.titolo + "'");
    if (larghezza && m.larghezza != larghezza)
        muori(std::string(cosa) + " is " + std::to_string(m.larghezza) + " pixels wide");
    return m;
}

// Focuses a box and types the keys into it until the next window maps: a
// key sent before Qt has taken the focus may be lost. Returns that window
// and when the last keys went in.
std::pair<Mappata, Tempo::time_point> rispondi(Schermo &schermo, const Figlio &figlio,
                                               const Mappata &box,
                                               const std::vector<std::vector<std::string>> &tasti,
                                               int &ritentativi)
{
    for (int volta = 0; volta < 5; ++volta) {
        // One xdotool a command: chained after windowfocus it would send the
        // keys as synthetic events, which Qt does not take, and "type" takes
        // every word after it as text.
        xdotool({"windowfocus", "--sync", std::to_string(box.finestra)});
        for (const auto &comando : tasti)
            xdotool(comando);
        const auto risposto = Tempo::now();
        if (auto prossima = schermo.entro(figlio, 2s))
            return {*prossima, risposto};
        ++ritentativi;
    }
    muori("the box did not take the keys after 5 tries");
}

long rssKiB(const Figlio &figlio)
{
    std::ifstream stato("/proc/" + std::to_string(figlio.pid) + "/status");
    for (std::string riga; std::getline(stato, riga);)
        if (riga.rfind("VmRSS:", 0) == 0)
            return std::atol(riga.c_str() + 6);
    muori("no VmRSS for the program");
}

// Resident memory once the window has been on screen for a second.
double rssDopoUnSecondo(const Figlio &figlio)
{
    std::this_thread::sleep_for(1s);
    vivo(figlio);
    return double(rssKiB(figlio));
}

struct Misure
{
    std::vector<double> domandaGioco, domandaNuda, principale, dopoSaluto, finestraNuda, rssGioco,
        rssNuda;
    int ritentativi = 0;
};

void partita(Schermo &schermo, const std::string &gioco, Misure &m)
{
    Figlio figlio;
    avvia(figlio, gioco);
    const Mappata domanda =
        controlla(schermo.prossima(figlio, AttesaAvvio, "name prompt"), "the name prompt");
    const auto [saluto, _] = rispondi(
        schermo, figlio, domanda,
        {{"type", "--delay", "0", "Ada"}, {"key", "--delay", "0", "Return"}}, m.ritentativi);
    controlla(saluto, "the greeting");
    const auto [principale, risposto] =
        rispondi(schermo, figlio, saluto, {{"key", "--delay", "0", "Return"}}, m.ritentativi);
    controlla(principale, "the main window", LarghezzaFinestra);

    m.domandaGioco.push_back(ms(domanda.quando - figlio.avvio));
    m.principale.push_back(ms(principale.quando - figlio.avvio));
    m.dopoSaluto.push_back(ms(principale.quando - risposto));
    m.rssGioco.push_back(rssDopoUnSecondo(figlio));
}

void domandaNuda(Schermo &schermo, const std::string &programma, Misure &m)
{
    Figlio figlio;
    avvia(figlio, programma);
    const Mappata domanda =
        controlla(schermo.prossima(figlio, AttesaAvvio, "bare prompt"), "the bare prompt");
    m.domandaNuda.push_back(ms(domanda.quando - figlio.avvio));
}

void finestraNuda(Schermo &schermo, const std::string &programma, Misure &m)
{
    Figlio figlio;
    avvia(figlio, programma);
    const Mappata finestra = controlla(schermo.prossima(figlio, AttesaAvvio, "bare window"),
                                       "the bare window", LarghezzaFinestra);
    m.finestraNuda.push_back(ms(finestra.quando - figlio.avvio));
    m.rssNuda.push_back(rssDopoUnSecondo(figlio));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: sonda RUNS GAME BARE_PROMPT BARE_WINDOW\n");
        return 2;
    }
    const int giri = std::atoi(argv[1]);
    Schermo schermo;
    Misure riscaldamento, m;
    for (int giro = 0; giro <= giri; ++giro) {
        Misure &dove = giro == 0 ? riscaldamento : m;
        partita(schermo, argv[2], dove);
        domandaNuda(schermo, argv[3], dove);
        finestraNuda(schermo, argv[4], dove);
    }
    std::printf("avvio_gioco %.1f\navvio_nudo %.1f\n", mediana(m.domandaGioco),
                mediana(m.domandaNuda));
    std::printf("principale_gioco %.1f\ndopo_saluto %.1f\nprincipale_nudo %.1f\n",
                mediana(m.principale), mediana(m.dopoSaluto), mediana(m.finestraNuda));
    std::printf("rss_gioco %.0f\nrss_nudo %.0f\nritentativi %d\n", mediana(m.rssGioco),
                mediana(m.rssNuda), m.ritentativi + riscaldamento.ritentativi);
    return 0;
}
