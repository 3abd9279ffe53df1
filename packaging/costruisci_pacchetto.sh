#!/usr/bin/env bash
# Builds the Debian package a school installs, with Debian's hardening flags
# as Debian's own packages are built: the package `make package` ships, and
# the very one its test judges.
#
#   costruisci_pacchetto.sh BUILD-DIR    leaves BUILD-DIR/zeffirano_<version>_<arch>.deb
set -euo pipefail
albero=${1:?usage: costruisci_pacchetto.sh BUILD-DIR}
sorgente=$(cd "$(dirname "$0")/.." && pwd)

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$sorgente" -B "$albero" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$albero"
(cd "$albero" && cpack -G DEB)
