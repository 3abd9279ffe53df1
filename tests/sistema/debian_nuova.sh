#!/usr/bin/env bash
# A newcomer's first `make test` on a fresh Debian: a minimal root made with
# debootstrap that holds only make, git and ca-certificates, a clean clone of
# this project in a throwaway copy of it, and the README's command run there
# as root; then the race played by ear, under that release's Orca, and every
# test again under the sanitizers.
#
#   debian_nuova.sh RELEASE WORKDIR    e.g. trixie build-debian
#
# The packages come from the mirror this machine's apt already uses. The
# base root is kept in WORKDIR/RELEASE-base for the next run; the copy goes.
# The tests run without a network, so their X servers cannot meet another.
set -euo pipefail
release=${1:?usage: debian_nuova.sh RELEASE WORKDIR}
lavoro=$(realpath -m "${2:?usage: debian_nuova.sh RELEASE WORKDIR}")
progetto=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
[ "$(id -u)" = 0 ] || { echo "debian_nuova.sh builds a root file system: run it as root"; exit 1; }

# The first Debian mirror in the host's apt sources, one-line or deb822,
# that serves the host's own release (not its security archive).
specchio() {
    local codice
    codice=$(. /etc/os-release && echo "$VERSION_CODENAME")
    {
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
            | awk -v c="$codice" '$1 == "deb" { sub(/\[[^]]*\] */, ""); if ($3 == c) print $2 }'
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v RS= -v c="$codice" '
            { uri = ""; ok = 0; spento = 0
              n = split($0, righe, "\n")
              for (i = 1; i <= n; i++) {
                  split(righe[i], p, /[ \t]+/)
                  if (p[1] == "URIs:") uri = p[2]
                  if (p[1] == "Enabled:" && p[2] == "no") spento = 1
                  if (p[1] == "Suites:") for (j = 2; j in p; j++) if (p[j] == c) ok = 1
              }
              if (ok && !spento && uri != "") print uri }'
    } | head -n 1
}
mirror=$(specchio)
[ -n "$mirror" ] || { echo "no Debian mirror found in this machine's apt sources"; exit 1; }

base="$lavoro/$release-base"
copia="$lavoro/$release-prova"
mkdir -p "$lavoro"
rm -rf "$copia"
trap 'rm -rf "$copia"' EXIT

inizio=$SECONDS
if [ ! -x "$base/usr/bin/make" ]; then
    rm -rf "$base"
    echo "debootstrap $release from $mirror"
    debootstrap --variant=minbase --include=make,git,ca-certificates \
        "$release" "$base.nuova" "$mirror" >"$lavoro/$release-debootstrap.log" 2>&1 \
        || { tail -n 20 "$lavoro/$release-debootstrap.log"; exit 1; }
    mv "$base.nuova" "$base"
fi
cp -a "$base" "$copia"
# apt in the copy reaches the mirror as apt here does, proxy included.
apt-config dump | grep -iE '^Acquire::(http|https)::Proxy ' \
    >"$copia/etc/apt/apt.conf.d/90proxy" || true
git clone --quiet --no-local "$progetto" "$copia/root/zeffirano"
echo "root ready in $((SECONDS - inizio)) s"

# Runs a command in the copy as root, with /dev, /proc and /sys of its own
# namespaces, which end with every process still in them. --net takes the
# network away.
nella_copia() {
    local rete=""
    [ "$1" = --net ] && { rete=--net; shift; }
    unshare --mount --propagation private --pid --fork --ipc --uts $rete -- bash -c '
        set -e
        radice=$1; shift
        mount --rbind /dev "$radice/dev"
        mount -t tmpfs -o mode=1777 shm "$radice/dev/shm"
        mount -t proc proc "$radice/proc"
        mount -t sysfs sys "$radice/sys"
        exec chroot "$radice" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            bash -c "cd /root/zeffirano && $*"' _ "$copia" "$@"
}

inizio=$SECONDS
nella_copia "make test-deps && make test-orca-deps"
echo "packages installed in $((SECONDS - inizio)) s"
inizio=$SECONDS
nella_copia --net "make test"
echo "make test on a fresh Debian $release: passed in $((SECONDS - inizio)) s"
inizio=$SECONDS
nella_copia --net "make test-orca"
echo "make test-orca on a fresh Debian $release: passed in $((SECONDS - inizio)) s"
# The sanitizers' run too: this root has just the fonts the README installs.
inizio=$SECONDS
nella_copia --net "make test-sanitize"
echo "make test-sanitize on a fresh Debian $release: passed in $((SECONDS - inizio)) s"
