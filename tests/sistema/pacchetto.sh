#!/usr/bin/env bash
# Builds the Debian package exactly as `make package` does, in a tree of its
# own under the build directory, checks that its dependencies were worked
# out from the binary and that the binary carries Debian's hardening, and
# has lintian judge it.
set -euo pipefail
build=${1:?usage: pacchetto.sh build-dir}
sorgente=$(cd "$(dirname "$0")/../.." && pwd)
command -v lintian >/dev/null || { echo "missing lintian (make test installs it)"; exit 1; }
albero="$build/pacchetto"
rm -f "$albero"/zeffirano_*.deb
bash "$sorgente/packaging/costruisci_pacchetto.sh" "$albero" >"$build/pacchetto.log" 2>&1 \
    || { tail -n 40 "$build/pacchetto.log"; exit 1; }
deb=$(ls "$albero"/zeffirano_*.deb)
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
# lintian only notes a binary built without hardening: here it fails.
nudo=$(lintian -I "$deb" 2>&1 | grep -E 'hardening-no-' || true)
[ -z "$nudo" ] || { echo "built without Debian's hardening:"; echo "$nudo"; exit 1; }
echo "1 passed, 0 failed"
