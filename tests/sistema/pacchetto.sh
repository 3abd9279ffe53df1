#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks that its
# dependencies were worked out from the binary, and has lintian judge it.
set -euo pipefail
build=${1:?usage: pacchetto.sh build-dir}
command -v lintian >/dev/null || { echo "missing lintian (make test installs it)"; exit 1; }
uscita=$(mktemp -d)
trap 'rm -rf "$uscita"' EXIT

(cd "$build" && cpack -G DEB -B "$uscita" >"$uscita/cpack.log" 2>&1) \
    || { cat "$uscita/cpack.log"; exit 1; }
deb=$(ls "$uscita"/zeffirano_*.deb)
dipendenze=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $dipendenze"
# Debian 13 renamed the libraries of the 64-bit time move with a t64 suffix.
for libreria in libc6 'libstdc\+\+6' libqt6core6 libqt6gui6 libqt6widgets6 \
    fonts-liberation2 qt6-translations-l10n; do
    grep -qE "(^|[ ,|])$libreria(t64)?( |,|$)" <<<"$dipendenze" \
        || { echo "no dependency on $libreria"; exit 1; }
done
contenuto=$(dpkg-deb --contents "$deb")
grep -q ' ./usr/bin/zeffirano$' <<<"$contenuto" || { echo "no binary in the package"; exit 1; }
# The administrator's settings stay as edited across upgrades.
dpkg-deb --info "$deb" conffiles | grep -qx /etc/xdg/zeffirano/zeffirano.conf \
    || { echo "the settings file is not a conffile"; exit 1; }
lintian --fail-on error,warning "$deb" || { echo "lintian found errors or warnings"; exit 1; }
echo "1 passed, 0 failed"
