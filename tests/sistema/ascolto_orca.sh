#!/usr/bin/env bash
# Plays a short race by ear, as a blind pupil does: the real game under the
# real Orca screen reader, keyboard only, with everything Orca hands to the
# voice written down by a speech-dispatcher module instead of spoken. Fails
# when an exercise's values are not said as it arrives, or the verdict with
# the right fraction and the counters after an answer is judged.
#
# Needs no desktop session and no sound card: it starts its own X server,
# D-Bus session, accessibility bus, speech-dispatcher and Orca, and stops
# them all when it ends. `make test-orca` installs what it needs.
set -euo pipefail

gioco=${1:?usage: ascolto_orca.sh path/to/zeffirano}
source "$(dirname "$0")/x_privato.sh"

for programma in orca speech-dispatcher dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher; do
    command -v "$programma" >/dev/null || { echo "missing $programma (make test-orca installs it)"; exit 1; }
done

lavoro=$(mktemp -d)
avviati=() # stopped in the opposite order
xvfb=""
# speech-dispatcher may miss a first SIGTERM: whatever is still there after
# 2 s is killed.
ferma() {
    local fino=$((SECONDS + 2))
    kill "$1" 2>/dev/null || return 0
    while [ -d "/proc/$1" ] && ! grep -q '^State:.*zombie' "/proc/$1/status" 2>/dev/null; do
        [ $SECONDS -lt $fino ] || { kill -KILL "$1" 2>/dev/null; break; }
        sleep 0.1
    done
    wait "$1" 2>/dev/null || true
}
pulisci() {
    local stato=$? i
    if [ $stato -ne 0 ] && [ -s "$lavoro/orca.log" ]; then
        cp "$lavoro/orca.log" "${TMPDIR:-/tmp}/ascolto_orca.log"
        echo "Orca's debug log: ${TMPDIR:-/tmp}/ascolto_orca.log"
    fi
    for ((i = ${#avviati[@]} - 1; i >= 0; i--)); do
        ferma "${avviati[i]}"
    done
    [ -z "$xvfb" ] || ferma "$xvfb"
    rm -rf "$lavoro"
}
trap pulisci EXIT

avvia_x_privato "$lavoro"
# Orca in Italian, from the environment alone: no Italian locale is needed.
export LANG=C.UTF-8 LANGUAGE=it XDG_CONFIG_HOME="$lavoro/config" XDG_CACHE_HOME="$lavoro/cache"
unset LC_ALL NO_AT_BRIDGE

# The session bus and the accessibility bus that Orca and the game meet on.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$lavoro/bus"
dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" 2>/dev/null &
avviati+=($!)
aspetta test -S "$lavoro/bus"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
avviati+=($!)
aspetta dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1

# The voice: speech-dispatcher's generic module running a command that
# appends each piece of text to a file. Punctuation is left to the voice,
# so a ":" there is what Orca would have said as "due punti".
voce="$lavoro/voce.txt"
touch "$voce"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AddModule "registra" "sd_generic" "registra.conf"
DefaultModule registra
DefaultLanguage "it"
AudioOutputMethod "alsa"
AudioALSADevice "null"
EOF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/registra.conf" <<EOF
GenericExecuteSynth "printf %s \\'\$DATA\\' >>$voce; echo >>$voce"
AddVoice "it" "MALE1" "it"
GenericLanguage "it" "it" "utf-8"
GenericLanguage "en" "en" "utf-8"
EOF
speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
    >"$lavoro/speechd.log" 2>&1 &
avviati+=($!)
aspetta test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

orca --debug-file="$lavoro/orca.log" >"$lavoro/orca.out" 2>&1 &
avviati+=($!)
aspetta test -s "$voce" # its greeting: Orca is up and speaking

"$gioco" >"$lavoro/gioco.log" 2>&1 &
avviati+=($!)

# What the voice has said since the last mark, on one line.
segno=0
segna() { segno=$(stat -c %s "$voce"); }
detto() { tail -c +$((segno + 1)) "$voce" | tr '\n' ' ' | tr -s ' '; }
# Byte by byte: a voice module may hand over a non-UTF-8 "è".
sentito() { detto | LC_ALL=C grep -qE -- "$1"; }
# Waits up to 15 s to hear the pattern; otherwise tells what was heard and fails.
ascolta() {
    local fino=$((SECONDS + 15))
    until sentito "$1"; do
        if [ $SECONDS -ge $fino ]; then
            echo "$2: not heard /$1/"
            echo "heard: $(detto)"
            exit 1
        fi
        sleep 0.1
    done
}
passo() { printf '%-22s %s\n' "$1:" "$(detto)"; }

# The name prompt and the greeting.
entra_in_gara "Ada"
segna
# Just mapped, the window may miss the focus: it is given again until Orca
# says something, what the values are still to be seen.
for prova in 1 2 3; do
    xdotool windowfocus "$principale"
    fino=$((SECONDS + 3))
    until [ -n "$(detto)" ] || [ $SECONDS -ge $fino ]; do sleep 0.1; done
    [ -z "$(detto)" ] || break
done

# An exercise as heard with the focus in the numerator box: its fraction,
# never simplified, into numeratore and denominatore (1,5(31) is 1531-15
# over 990).
valori='Numeratore.*Parte intera ([0-9]+), (senza antiperiodo|antiperiodo ([0-9]+)), periodo ([0-9]+)'
esercizio() {
    ascolta "$valori" "$1"
    [[ $(detto) =~ $valori ]]
    local intero=${BASH_REMATCH[1]} anti=${BASH_REMATCH[3]} periodo=${BASH_REMATCH[4]}
    numeratore=$((10#$intero$anti$periodo - 10#$intero$anti))
    denominatore=$(printf "%${#periodo}s" | tr ' ' 9)$(printf "%${#anti}s" | tr ' ' 0)
    passo "$1"
}
rispondi() {
    segna
    xdotool type --delay 60 "$1"
    xdotool key Return
    xdotool type --delay 60 "$2"
    xdotool key Return
}

esercizio "window shown"
rispondi "$numeratore" "$denominatore"
ascolta 'Esatto.*Risposte esatte 1, Risposte errate 0, Risposte totali 1' "right answer"
passo "right answer"

segna
xdotool key space
esercizio "Nuovo calcolo"

rispondi "$((numeratore + 1))" "$denominatore"
ascolta "Sbagliato.* $numeratore fratto $denominatore.*Risposte esatte 1, Risposte errate 1, Risposte totali 2" \
    "wrong answer"
passo "wrong answer"

# The whole window right after it: the verdict label, empty until now, is
# read with the right fraction.
segna
xdotool key KP_Add KP_Add
ascolta "Esito Sbagliato,? $numeratore fratto $denominatore" "window read after the verdict"
passo "window read, verdict"

segna
xdotool key Return
esercizio "Nuovo calcolo (Enter)"

# The whole window, read with Orca's own command: each value once, no
# drawing, nothing said as "due punti".
segna
xdotool key KP_Add KP_Add
ascolta 'Tempo restante [0-9]+ minut.*Risposte esatte 1 Risposte errate 1 Risposte totali 2' \
    "window read"
passo "window read"
! sentito ':|/|Mare di notte|Linea di frazione|Segno del periodo|Command1' \
    || { echo "window read: a drawing, a ':' or a '/' in it"; exit 1; }
for valore in 'Parte intera' 'Periodo' 'Tempo restante' 'Risposte esatte'; do
    [ "$(detto | grep -o "$valore" | wc -l)" = 1 ] || { echo "window read: '$valore' not once"; exit 1; }
done

segna
xdotool key alt+x
ascolta 'Vuoi veramente lasciarmi' "exit box"
passo "exit box"

echo "1 passed, 0 failed"
