#include "ascolto_campanello.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <poll.h>

AscoltoCampanello::AscoltoCampanello()
{
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        return;
    int codice = 0, errore = 0, maggiore = XkbMajorVersion, minore = XkbMinorVersion;
    if (!XkbQueryExtension(display_, &codice, &eventoXkb_, &errore, &maggiore, &minore) ||
        !XkbSelectEvents(display_, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask)) {
        XCloseDisplay(display_);
        display_ = nullptr;
        return;
    }
    XSync(display_, False); // the server listens before anything rings
}

AscoltoCampanello::~AscoltoCampanello()
{
    if (display_)
        XCloseDisplay(display_);
}

bool AscoltoCampanello::suonato(int attesaMs)
{
    for (int attesa = 0; attesa <= attesaMs; attesa += 10) {
        while (XPending(display_)) {
            XEvent evento;
            XNextEvent(display_, &evento);
            if (evento.type == eventoXkb_ &&
                reinterpret_cast<XkbEvent *>(&evento)->any.xkb_type == XkbBellNotify)
                return true;
        }
        pollfd connessione = {ConnectionNumber(display_), POLLIN, 0};
        poll(&connessione, 1, 10);
    }
    return false;
}
