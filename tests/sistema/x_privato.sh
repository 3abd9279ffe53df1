# Sourced by the scripts that run the real game: an X server of its own on a
# free display, and a home, data folder and runtime folder of its own under
# the given scratch folder, so nothing of the tester's is read or written.
#
#   avvia_x_privato CARTELLA    sets xvfb (the server's pid; the caller stops
#                               it) and exports DISPLAY, QT_QPA_PLATFORM,
#                               HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR
#   [cosa=TESTO] aspetta COMANDO...
#                               waits up to 20 s for it to succeed, or says
#                               what it waited for (TESTO, or the command)
#                               and fails
#   entra_in_gara NOME          answers a starting game's name prompt and
#                               greeting with the keyboard, as a pupil does,
#                               and waits for the window, which it leaves in
#                               principale
#
# A script that sources this one and fails anywhere says where.
set -E
trap 'echo "${BASH_SOURCE[0]##*/}:$LINENO: failed: $BASH_COMMAND" >&2' ERR

avvia_x_privato() {
    local cartella=$1 programma
    for programma in Xvfb xdotool; do
        command -v "$programma" >/dev/null || { echo "missing $programma (make deps installs it)"; return 1; }
    done
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$cartella/display" 2>/dev/null &
    xvfb=$!
    local fino=$((SECONDS + 20))
    until [ -s "$cartella/display" ]; do
        [ $SECONDS -lt $fino ] || { echo "Xvfb did not start"; return 1; }
        sleep 0.1
    done
    export DISPLAY=":$(cat "$cartella/display")" QT_QPA_PLATFORM=xcb
    export HOME="$cartella/casa" XDG_DATA_HOME="$cartella/dati" XDG_RUNTIME_DIR="$cartella/run"
    mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

aspetta() {
    local fino=$((SECONDS + 20))
    until "$@"; do
        if [ $SECONDS -ge $fino ]; then
            echo "gave up after 20 s waiting for ${cosa:-$*}" >&2
            exit 1
        fi
        sleep 0.1
    done
}

# The game's windows all carry its name: first the name prompt, then the
# greeting, then the window itself, the one 669 pixels wide. A window is
# looked for until it is found, then known by its number alone: a search
# made while another window goes away can miss one that is there.
finestre() { xdotool search --onlyvisible --name '^Zeffirano$' 2>/dev/null || true; }

# Sets finestra to a window of the game's other than the one given.
finestra_nuova() {
    finestra=$(finestre | grep -vxF "${1:-}" | head -n 1)
    [ -n "$finestra" ]
}

# Sets principale to the game's own window.
finestra_principale() {
    local f
    for f in $(finestre); do
        if xdotool getwindowgeometry --shell "$f" 2>/dev/null | grep -qx 'WIDTH=669'; then
            principale=$f
            return 0
        fi
    done
    return 1
}

# Each box is given the focus as a desktop would, since there may be no
# window manager.
entra_in_gara() {
    local domanda
    cosa="the name prompt" aspetta finestra_nuova ""
    domanda=$finestra
    xdotool windowfocus "$domanda"
    sleep 0.3
    xdotool type --delay 30 "$1"
    xdotool key Return
    cosa="the greeting after the name" aspetta finestra_nuova "$domanda"
    xdotool windowfocus "$finestra"
    sleep 0.3
    xdotool key Return
    cosa="the game's window after the greeting" aspetta finestra_principale
}
