# Sourced by the scripts that run the real game: an X server of its own on a
# free display, and a home, data folder and runtime folder of its own under
# the given scratch folder, so nothing of the tester's is read or written.
#
#   avvia_x_privato CARTELLA    sets xvfb (the server's pid; the caller stops
#                               it) and exports DISPLAY, QT_QPA_PLATFORM,
#                               HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR
#
# The server takes the first free display, or the one in X_PRIVATO_DISPLAY
# (a number) on a machine where displays are shared out.
avvia_x_privato() {
    local cartella=$1 programma
    for programma in Xvfb xdotool; do
        command -v "$programma" >/dev/null || { echo "missing $programma (make deps installs it)"; return 1; }
    done
    Xvfb ${X_PRIVATO_DISPLAY:+":$X_PRIVATO_DISPLAY"} -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$cartella/display" 2>/dev/null &
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
