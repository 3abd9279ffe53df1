#pragma once

// Hears the X server's bell, whoever rings it: a connection of its own that
// asks the keyboard extension for its bell events. Plain Xlib, kept apart
// from Qt's headers, whose names Xlib's macros would clash with.
class AscoltoCampanello
{
public:
    AscoltoCampanello(); // listening from now on
    ~AscoltoCampanello();
    AscoltoCampanello(const AscoltoCampanello &) = delete;
    AscoltoCampanello &operator=(const AscoltoCampanello &) = delete;

    bool pronto() const { return display_ != nullptr; }
    // Whether the bell rang, waiting up to attesaMs for it.
    bool suonato(int attesaMs);

private:
    struct _XDisplay *display_ = nullptr;
    int eventoXkb_ = 0;
};
