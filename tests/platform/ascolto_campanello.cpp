// Plain Xlib, kept apart from Qt's headers, whose names its macros clash with.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <poll.h>

// Whether the X server's bell rang, whoever rang it, within attesaMs of
// suona(): a connection of its own asks the keyboard extension for its bell
// events before suona() runs. False too where the server cannot be asked.
bool campanelloSentito(void (*suona)(), int attesaMs)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    int codice, evento, errore, maggiore = XkbMajorVersion, minore = XkbMinorVersion;
    bool sentito = false;
    if (XkbQueryExtension(display, &codice, &evento, &errore, &maggiore, &minore) &&
        XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask)) {
        XSync(display, False);
        suona();
        for (int atteso = 0; !sentito && atteso <= attesaMs; atteso += 10) {
            while (!sentito && XPending(display)) {
                XEvent e;
                XNextEvent(display, &e);
                sentito = e.type == evento &&
                          reinterpret_cast<XkbEvent *>(&e)->any.xkb_type == XkbBellNotify;
            }
            pollfd connessione = {ConnectionNumber(display), POLLIN, 0};
            poll(&connessione, 1, 10);
        }
    }
    XCloseDisplay(display);
    return sentito;
}
