#!/usr/bin/env bash
# A class plays: two pupils, two Unix accounts in one group with umask 077,
# on two computers (their own host names and process numbers), leave the
# game at the same moment, round after round. First in a class folder on
# this disk, then in one that a file server shares over SFTP, reached by
# sshfs on the loopback of a network of the test's own. Each time the
# record is never torn, the higher one stays, every file is the group's,
# and the teacher's log has every race's line, whole.
#
#   classe_condivisa.sh SCRITTORE_RECORD
#
# It creates the accounts, so it needs root, as CI has; elsewhere it skips.
set -euo pipefail
scrittore=${1:?usage: classe_condivisa.sh SCRITTORE_RECORD}
giri=${GIRI:-60}
if [ "$(id -u)" != 0 ]; then
    echo "needs root to create the pupils' accounts"
    [ -n "${CI:-}" ] && exit 1
    exit 77
fi
sftp=/usr/lib/openssh/sftp-server

# Inside the test's own network and mounts: the file server and the two
# computers that mount it.
if [ "${1}" = --server ]; then
    cartella=$2 pc1=$3 pc2=$4 p1=$5 p2=$6
    ip link set lo up
    socat TCP-LISTEN:4001,bind=127.0.0.1,reuseaddr,fork \
        EXEC:"setpriv --reuid=$p1 --regid=users --init-groups $sftp -u 077" &
    socat TCP-LISTEN:4002,bind=127.0.0.1,reuseaddr,fork \
        EXEC:"setpriv --reuid=$p2 --regid=users --init-groups $sftp -u 077" &
    # Every computer sees the others' changes at once: no caches.
    opzioni=allow_other,cache=no,attr_timeout=0,entry_timeout=0,negative_timeout=0
    for n in 1 2; do
        mkdir -p "$(eval echo \$pc$n)"
        # The server is up once it takes a connection.
        for _ in $(seq 50); do
            sshfs -o "directport=400$n,$opzioni" "127.0.0.1:$cartella" "$(eval echo \$pc$n)" \
                2>/dev/null && break
            sleep 0.1
        done
        mountpoint -q "$(eval echo \$pc$n)"
    done
    exit 0
fi

for programma in sshfs socat setpriv unshare useradd ip "$sftp"; do
    command -v "$programma" >/dev/null || { echo "missing: $programma"; exit 1; }
done

lavoro=$(mktemp -d /tmp/zeffirano-classe.XXXXXX)
chmod 755 "$lavoro"
gruppo=zc$$ p1=zca$$ p2=zcb$$
pulisci() {
    for m in "$lavoro"/pc1 "$lavoro"/pc2; do
        mountpoint -q "$m" 2>/dev/null && fusermount3 -u "$m"
    done
    userdel "$p1" 2>/dev/null || true
    userdel "$p2" 2>/dev/null || true
    groupdel "$gruppo" 2>/dev/null || true
    rm -rf "$lavoro"
}
trap pulisci EXIT
groupadd "$gruppo"
useradd -M -N -g users -G "$gruppo" -s /bin/sh "$p1"
useradd -M -N -g users -G "$gruppo" -s /bin/sh "$p2"
cp "$scrittore" "$lavoro/scrittore"

fallito() { echo "FAIL ($1): $2"; exit 1; }

# A pupil on a computer: their host name, their own process numbers, their
# account with umask 077. Waits for a line, then leaves GIRI times.
pupillo() { # HOST ACCOUNT FOLDER SEED PLAYER FIFO OUT
    unshare --uts --pid --fork --kill-child sh -c \
        "hostname $1 && exec setpriv --reuid=$2 --regid=users --init-groups \
         sh -c 'umask 077 && exec $lavoro/scrittore classe $3 $4 $giri $5'" <"$6" >"$7" 2>&1 &
}

gioca() { # WHERE FOLDER1 FOLDER2 SERVERFOLDER
    local dove=$1 d1=$2 d2=$3 server=$4 uscita1=$lavoro/$1-a uscita2=$lavoro/$1-b
    rm -f "$lavoro/via1" "$lavoro/via2"
    mkfifo "$lavoro/via1" "$lavoro/via2"
    pupillo z25-pc1 "$p1" "$d1" 11 A "$lavoro/via1" "$uscita1"
    local pid1=$!
    pupillo z25-pc2 "$p2" "$d2" 22 B "$lavoro/via2" "$uscita2"
    local pid2=$!
    exec 3>"$lavoro/via1" 4>"$lavoro/via2"
    # Each round both leave at once, when both have finished the last one:
    # as a class at time-up, not one pupil saving on while the other waits.
    local giro
    for giro in $(seq 0 "$giri"); do
        while [ "$(grep -c . "$uscita1")" -le "$giro" ] || [ "$(grep -c . "$uscita2")" -le "$giro" ]; do
            kill -0 "$pid1" 2>/dev/null && kill -0 "$pid2" 2>/dev/null || break 2
            sleep 0.02
        done
        [ "$giro" -lt "$giri" ] || break
        echo via >&3
        echo via >&4
    done
    exec 3>&- 4>&-
    wait "$pid1" || fallito "$dove" "pupil A: $(grep -v "^[0-9]" "$uscita1")"
    wait "$pid2" || fallito "$dove" "pupil B: $(grep -v "^[0-9]" "$uscita2")"
    verifica "$dove" "$server" "$uscita1" "$uscita2"
}

verifica() { # WHERE FOLDER OUT1 OUT2
    local dove=$1 c=$2
    local massimo
    massimo=$(cat "$3" "$4" | grep -v pronto | cut -d' ' -f1 | sort -n | tail -n 1)
    [ "$(cat "$c/tomvaldrisken.txt")" = "$massimo"$'\r' ] \
        || fallito "$dove" "record $(od -c "$c/tomvaldrisken.txt" | head -n 1), highest $massimo"
    # The name is Windows-1252: "Niccolò" with ò as one byte.
    grep -qaxE $'Niccol\xf2 [AB] n\\. '"$massimo"$'\r' "$c/tomvaldrisken1.txt" \
        || fallito "$dove" "torn record: $(od -c "$c/tomvaldrisken1.txt" | head -n 2)"
    ls "$c" | grep -qE 'nuovo|giornale|lock$' && fallito "$dove" "leftovers: $(ls "$c")"
    for f in tomvaldrisken.txt tomvaldrisken1.txt gare.csv; do
        [ "$(stat -c '%a %G' "$c/$f")" = "660 $gruppo" ] \
            || fallito "$dove" "$f is $(stat -c '%a %U %G' "$c/$f")"
    done
    local registro=$c/gare.csv
    head -n 1 "$registro" | grep -qx $'\xef\xbb\xbfData e ora;Computer;Nome;Esatte;Errate;Totale\r' \
        || fallito "$dove" "log header: $(head -n 1 "$registro" | od -c | head -n 2)"
    [ "$(wc -l <"$registro")" = $((2 * giri + 1)) ] \
        || fallito "$dove" "log has $(wc -l <"$registro") lines, expected $((2 * giri + 1))"
    local giusta=$'^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2};z25-pc([12]);Niccolò ([AB]) n\\. ([0-9]+);[0-9]+;[0-9]+;[0-9]+\r$'
    local male
    male=$(tail -n +2 "$registro" | grep -cvE "$giusta" || true)
    [ "$male" = 0 ] || fallito "$dove" "$male mixed log lines: $(tail -n +2 "$registro" | grep -vE "$giusta" | head -n 2)"
    # Each pupil's races, in their order, from their computer.
    for g in A:1:"$3" B:2:"$4"; do
        IFS=: read -r chi pc uscita <<<"$g"
        diff <(grep ";z25-pc$pc;Niccolò $chi n" "$registro" | cut -d';' -f4) \
            <(grep -v pronto "$uscita" | cut -d' ' -f1) >/dev/null \
            || fallito "$dove" "pupil $chi's races are not all in the log"
    done
    echo "$dove: $giri rounds, record $massimo whole, log $((2 * giri)) lines whole"
}

inizio=$SECONDS
# The class folder as the administrator makes it.
locale=$lavoro/classe
mkdir "$locale" && chgrp "$gruppo" "$locale" && chmod 2770 "$locale"
gioca "one server, local disk" "$locale" "$locale" "$locale"

server=$lavoro/server/3B
mkdir -p "$server" && chmod 755 "$lavoro/server"
chgrp "$gruppo" "$server" && chmod 2770 "$server"
# Its own process numbers too: the server and the mounts end with it. Its
# mounts must not reach the machine's: private propagation sees to that,
# except in a chroot, whose root is no mount point and cannot be made
# private; there the namespace the chroot runs in keeps them already.
propagazione=private
mountpoint -q / || propagazione=unchanged
unshare --net --mount --propagation "$propagazione" --pid --fork bash -c '
    set -e
    bash "$0" --server "$1" "$2" "$3" "$4" "$5" </dev/null
    . /dev/stdin' "$0" "$server" "$lavoro/pc1" "$lavoro/pc2" "$p1" "$p2" <<EOF
$(declare -f pupillo gioca verifica fallito)
lavoro=$lavoro giri=$giri gruppo=$gruppo p1=$p1 p2=$p2
gioca "two computers over sshfs" "$lavoro/pc1" "$lavoro/pc2" "$server"
EOF
echo "in $((SECONDS - inizio)) s"
echo "2 passed, 0 failed"
