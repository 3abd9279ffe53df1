#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks that its
# dependencies were worked out from the binary.
set -euo pipefail
build=${1:?usage: pacchetto.sh build-dir}
uscita=$(mktemp -d)
trap 'rm -rf "$uscita"' EXIT

(cd "$build" && cpack -G DEB -B "$uscita" >"$uscita/cpack.log" 2>&1) \
    || { cat "$uscita/cpack.log"; exit 1; }
deb=$(ls "$uscita"/zeffirano_*.deb)
dipendenze=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $dipendenze"
for libreria in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2; do
    grep -q "\b$libreria\b" <<<"$dipendenze" || { echo "no dependency on $libreria"; exit 1; }
done
contenuto=$(dpkg-deb --contents "$deb")
grep -q ' ./usr/bin/zeffirano$' <<<"$contenuto" || { echo "no binary in the package"; exit 1; }
echo "1 passed, 0 failed"
