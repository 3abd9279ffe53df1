#!/usr/bin/env bash
# The game's boxes under a real Wayland compositor, Weston on no screen:
# as Qt's protocol log shows, each box opened while the game's window is on
# screen is made its child (the name prompt and the greeting come before it,
# when Wayland gives a box no parent), and every window of the game carries
# the installed launcher's name as its application id.
set -euo pipefail

figlie=${1:?usage: wayland_figlie.sh path/to/figlie path/to/launcher.desktop}
lanciatore=${2:?usage: wayland_figlie.sh path/to/figlie path/to/launcher.desktop}
command -v weston >/dev/null || { echo "missing weston (make deps installs it)"; exit 1; }

lavoro=$(mktemp -d)
weston=""
pulisci() {
    [ -n "$weston" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null || true
    rm -rf "$lavoro"
}
trap pulisci EXIT

export XDG_RUNTIME_DIR="$lavoro/run" WAYLAND_DISPLAY=zeffirano QT_QPA_PLATFORM=wayland
# A Weston with no screen has no seat, and Qt 6.4's Wayland input method
# then crashes drawing a text box's cursor: the boxes need none.
export QT_IM_MODULE=none
# Qt 6.4's Wayland plugin never frees what it makes as it connects: under
# the sanitizers only memory errors count here, as for the game under Xvfb.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    >"$lavoro/weston.log" 2>&1 &
weston=$!
# Clients may connect as soon as the socket listens; Weston serves them once
# it is up.
fino=$((SECONDS + 20))
until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
    kill -0 "$weston" 2>/dev/null && [ $SECONDS -lt $fino ] \
        || { echo "weston did not start"; cat "$lavoro/weston.log"; exit 1; }
    sleep 0.1
done

WAYLAND_DEBUG=client "$figlie" "$lanciatore" >"$lavoro/box.txt" 2>"$lavoro/protocollo.txt" \
    || { cat "$lavoro/box.txt"; tail -n 20 "$lavoro/protocollo.txt"; exit 1; }
# The name prompt, the greeting, help, no calculator, leaving, and time up
# with its questions: eight boxes.
figlie=$(grep -c ': belongs$' "$lavoro/box.txt" || true)
prima=$(grep -c ': before the window$' "$lavoro/box.txt" || true)
box=$((figlie + prima))
richieste() { grep -F -- ' -> ' "$lavoro/protocollo.txt" | grep -oE "$1" || true; }

# The window is the one parent of them all. Objects are written
# xdg_toplevel@14, or xdg_toplevel#14 from libwayland 1.22 on.
finestre=$(richieste 'get_toplevel\(new id xdg_toplevel[@#][0-9]+\)' | wc -l)
genitori=$(richieste 'set_parent\(xdg_toplevel[@#][0-9]+\)' | sort | uniq -c)
figlie_della_finestra=$(echo "$genitori" | awk '{ print $1 }')
id=$(basename "$lanciatore" .desktop)
con_id=$(richieste "set_app_id\(\"$id\"\)" | wc -l)

echo "$box boxes ($prima before the window), $finestre toplevels; set_parent: ${genitori:-none}; app id $id: $con_id"
[ "$box" -ge 8 ] && [ "$prima" = 2 ] || { echo "the game showed $box boxes, $prima before its window"; exit 1; }
[ "$(echo "$genitori" | wc -l)" = 1 ] && [ "$figlie_della_finestra" = "$figlie" ] \
    && [ "$finestre" = $((box + 1)) ] || { echo "not every box is a child of the window"; exit 1; }
[ "$con_id" = "$finestre" ] || { echo "not every window is named $id"; exit 1; }
echo "1 passed, 0 failed"
