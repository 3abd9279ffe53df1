#!/usr/bin/env bash
# Installs the build into a scratch root, as a package would, checks every
# file lands where the desktop looks for it, and starts the installed game.
set -euo pipefail
build=${1:?usage: installazione.sh build-dir}
radice=$(mktemp -d)
partita=""
trap '[ -n "$partita" ] && kill "$partita" 2>/dev/null; rm -rf "$radice"' EXIT

DESTDIR="$radice" cmake --install "$build" --prefix /usr >/dev/null

id=it.zeffirano.Zeffirano
attesi=(
    usr/bin/zeffirano
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/share/doc/zeffirano/copyright
    usr/share/doc/zeffirano/changelog.gz
    usr/share/man/man6/zeffirano.6.gz
    etc/xdg/zeffirano/zeffirano.conf
)
for lato in 16 22 24 32 48 64 128 256; do
    attesi+=("usr/share/icons/hicolor/${lato}x${lato}/apps/$id.png")
done
mancanti=0
for file in "${attesi[@]}"; do
    [ -s "$radice/$file" ] || { echo "missing: /$file"; mancanti=1; }
done
# Nothing else: no static libraries, headers or tests.
extra=$(cd "$radice" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${attesi[@]}" | sort))
[ -z "$extra" ] || { echo "unexpected files:"; echo "$extra"; mancanti=1; }
[ $mancanti -eq 0 ] || exit 1
[ -x "$radice/usr/bin/zeffirano" ] || { echo "not executable"; exit 1; }

# The installed game starts and waits at its name prompt.
dati=$(mktemp -d -p "$radice")
XDG_DATA_HOME="$dati" QT_QPA_PLATFORM=offscreen "$radice/usr/bin/zeffirano" >"$radice/log" 2>&1 &
partita=$!
sleep 2
kill -0 "$partita" || { echo "the installed game did not stay up:"; cat "$radice/log"; exit 1; }
echo "1 passed, 0 failed"
