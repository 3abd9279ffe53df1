#!/usr/bin/env bash
# Measures the game beside bare Qt programs, under an X server of its own,
# and prints one table. On a shared machine absolute times are noise; what
# counts is the ratios and the figures side by side, all from this one run.
#
#   bench/esegui.sh BENCH_BUILD_DIR      (make bench builds it and runs this)
#
# GIRI (15), TICK (60) and VOLTE (10000) set the rounds of start-ups, the
# clock's ticks and the handler calls.
set -euo pipefail

build=${1:?usage: esegui.sh BENCH_BUILD_DIR}
giri=${GIRI:-15}
tick=${TICK:-60}
volte=${VOLTE:-10000}
programmi="$build/bench"
source "$(dirname "$0")/../tests/sistema/x_privato.sh"

lavoro=$(mktemp -d)
xvfb=""
occupato=""
pulisci() {
    [ -n "$occupato" ] && kill "$occupato" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$lavoro"
}
trap pulisci EXIT

avvia_x_privato "$lavoro"

risultati="$lavoro/risultati"
registro="$lavoro/registro"
: >"$risultati"
# Runs a benchmark with its "key value" lines prefixed; on failure shows
# what it said and stops.
misura() {
    local prefisso=$1 uscita="$lavoro/uscita.$1"
    shift
    "$@" >"$uscita" 2>>"$registro" || { cat "$registro"; echo "failed: $*"; exit 1; }
    sed "s/^/$prefisso/" "$uscita" >>"$risultati"
}

echo "start-up and memory, $giri rounds of three programs..." >&2
misura "" "$programmi/sonda" "$giri" "$build/zeffirano" "$programmi/nudo_domanda" \
    "$programmi/nudo_finestra"

# The game's clock and the bare one run at once, so they see the same machine.
orologi() {
    misura "$1_gioco_" "$programmi/orologio" gioco "$tick" &
    local gioco=$!
    misura "$1_nudo_" "$programmi/orologio" nudo "$tick"
    wait "$gioco"
}
echo "the clocks for $tick ticks, idle..." >&2
orologi libero
echo "...and with the other core busy" >&2
(while :; do :; done) &
occupato=$!
orologi occupato
kill "$occupato"
occupato=""

echo "handlers, $volte calls each..." >&2
misura "" "$programmi/gestori" "$volte"

declare -A r
while read -r chiave valore; do
    r[$chiave]=$valore
done <"$risultati"

calcola() { awk "BEGIN { printf \"$1\", $2 }"; }
# "met" or "missed" for a condition awk evaluates.
esito() { awk "BEGIN { print ($1) ? \"met\" : \"missed\" }"; }
riga() { printf '%-50s %-20s %-20s %-6s %-16s %s\n' "$@"; }

avvio=$(calcola %.2f "${r[avvio_gioco]} / ${r[avvio_nudo]}")
memoria=$(calcola %.2f "${r[rss_gioco]} / ${r[rss_nudo]}")
mib() { calcola '%.1f MiB' "$1 / 1024"; }
coppia() { echo "$1 / $2 $3"; }

echo
echo "Zeffirano benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "machine: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)," \
    "$(nproc) cores, Linux $(uname -r), Qt ${r[qt]}, Release build, Xvfb 1024x768x24"
echo
riga "measure" "game" "bare Qt" "ratio" "target" ""
riga "start-up: exec -> name prompt mapped, median/$giri" "${r[avvio_gioco]} ms" \
    "${r[avvio_nudo]} ms" "$avvio" "ratio <= 1.15" "$(esito "$avvio <= 1.15")"
riga "exec -> main window mapped (boxes via xdotool)" "${r[principale_gioco]} ms" \
    "${r[principale_nudo]} ms (no boxes)" "" "" ""
riga "greeting answered -> main window mapped" "${r[dopo_saluto]} ms" "" "" "" ""
riga "VmRSS 1 s after the first exercise, median/$giri" "$(mib "${r[rss_gioco]}")" \
    "$(mib "${r[rss_nudo]}")" "$memoria" "ratio <= 1.15" "$(esito "$memoria <= 1.15")"
riga "clock, idle: error at tick $tick / worst tick" \
    "$(coppia "${r[libero_gioco_errore_ms]}" "${r[libero_gioco_peggiore_ms]}" ms)" \
    "$(coppia "${r[libero_nudo_errore_ms]}" "${r[libero_nudo_peggiore_ms]}" ms)" "" "" ""
errore=${r[occupato_gioco_errore_ms]}
riga "clock, other core busy: the same" \
    "$(coppia "$errore" "${r[occupato_gioco_peggiore_ms]}" ms)" \
    "$(coppia "${r[occupato_nudo_errore_ms]}" "${r[occupato_nudo_peggiore_ms]}" ms)" "" \
    "|error| <= 5 ms" "$(esito "$errore <= 5 && $errore >= -5")"
for gestore in cmdnext giudizio; do
    [ $gestore = cmdnext ] && nome="cmdNext_Click" || nome="judging (Enter in Text3)"
    [ $gestore = giudizio ] && nudo=$(coppia "${r[nudo_mediana]}" "${r[nudo_p99]}" us) || nudo=""
    riga "$nome: median / p99 of $volte" \
        "$(coppia "${r[${gestore}_mediana]}" "${r[${gestore}_p99]}" us)" "$nudo" "" \
        "p99 <= 5000 us" "$(esito "${r[${gestore}_p99]} <= 5000")"
    [ $gestore = giudizio ] && nudo=$(coppia "${r[nudo_rip_mediana]}" "${r[nudo_rip_p99]}" us)
    riga "  the same with the repaint it leaves" \
        "$(coppia "${r[${gestore}_rip_mediana]}" "${r[${gestore}_rip_p99]}" us)" "$nudo" "" "" ""
done
echo
echo "bare Qt: a QInputDialog alone; a window of 40 controls, a menu bar and the 640x480"
echo "picture; a QTimer relabelling it; Enter in its QLineEdit relabelling 4 labels."
echo "paints per repaint: cmdNext_Click ${r[cmdnext_dipinti]}, judging ${r[giudizio_dipinti]}," \
    "bare ${r[nudo_dipinti]}. xdotool retries: ${r[ritentativi]}."
echo "the game's clock counted ${r[libero_gioco_contati]} s and ${r[occupato_gioco_contati]} s" \
    "in $((tick - 1)) s; answers counted ${r[giudicate]} of ${r[giudicate_attese]}," \
    "right ${r[esatte]} of ${r[esatte_attese]}."
