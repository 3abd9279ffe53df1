#!/usr/bin/env bash
# Starts the real game under an X server of its own, with a data folder of
# its own, answers the name prompt and the greeting with the keyboard as a
# pupil does, and checks what the window then shows the desktop.
set -euo pipefail

gioco=${1:?usage: avvio_xvfb.sh path/to/zeffirano}
source "$(dirname "$0")/x_privato.sh"

lavoro=$(mktemp -d)
xvfb=""
partita=""
pulisci() {
    [ -n "$partita" ] && kill "$partita" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$lavoro"
}
trap pulisci EXIT

avvia_x_privato "$lavoro"

"$gioco" >"$lavoro/gioco.log" 2>&1 &
partita=$!

# The name prompt, the greeting, then the window itself, captioned with
# the game's name.
entra_in_gara "Ada"
titolo=$(xdotool getwindowname "$principale")
[ "$titolo" = "Zeffirano" ] || { echo "window title is '$titolo'"; exit 1; }

# A first run creates both record files, empty.
for file in tomvaldrisken.txt tomvaldrisken1.txt; do
    [ -f "$XDG_DATA_HOME/zeffirano/$file" ] && [ ! -s "$XDG_DATA_HOME/zeffirano/$file" ] \
        || { echo "$file was not created empty"; exit 1; }
done
kill -0 "$partita" || { echo "the game died"; cat "$lavoro/gioco.log"; exit 1; }
echo "1 passed, 0 failed"
