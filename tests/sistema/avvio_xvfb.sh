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

# Waits up to 20 s for a command to succeed.
aspetta() {
    local fino=$((SECONDS + 20))
    until "$@"; do
        if [ $SECONDS -ge $fino ]; then
            echo "timed out waiting for: $*"
            exit 1
        fi
        sleep 0.1
    done
}

"$gioco" >"$lavoro/gioco.log" 2>&1 &
partita=$!

finestre() { xdotool search --onlyvisible --name '^Zeffirano$' 2>/dev/null || true; }
una_finestra_diversa_da() { local f; f=$(finestre | grep -vx "${1:-}" | head -n 1); [ -n "$f" ] && echo "$f"; }
larghezza() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p'; }

# The name prompt comes first, titled with the game's name.
aspetta una_finestra_diversa_da "" >/dev/null
domanda=$(una_finestra_diversa_da "")
xdotool windowfocus "$domanda"
sleep 0.3
xdotool type --delay 30 "Ada"
xdotool key Return

# Then the greeting, another box with the same title.
aspetta una_finestra_diversa_da "$domanda" >/dev/null
saluto=$(una_finestra_diversa_da "$domanda")
xdotool windowfocus "$saluto"
sleep 0.3
xdotool key Return

# Then the window itself, 669 pixels wide, captioned with the game's name.
finestra_principale() {
    local f
    for f in $(finestre); do
        [ "$(larghezza "$f")" = 669 ] && { echo "$f"; return 0; }
    done
    return 1
}
aspetta finestra_principale >/dev/null
principale=$(finestra_principale)
titolo=$(xdotool getwindowname "$principale")
[ "$titolo" = "Zeffirano" ] || { echo "window title is '$titolo'"; exit 1; }

# A first run creates both record files, empty.
for file in tomvaldrisken.txt tomvaldrisken1.txt; do
    [ -f "$XDG_DATA_HOME/zeffirano/$file" ] && [ ! -s "$XDG_DATA_HOME/zeffirano/$file" ] \
        || { echo "$file was not created empty"; exit 1; }
done
kill -0 "$partita" || { echo "the game died"; cat "$lavoro/gioco.log"; exit 1; }
echo "1 passed, 0 failed"
