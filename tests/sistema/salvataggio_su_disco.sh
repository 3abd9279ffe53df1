#!/usr/bin/env bash
# Traces one save: the new files synced, the journal moved in, the folder
# synced, the pair moved, the folder synced again, then the journal removed.
set -euo pipefail
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
# LeakSanitizer cannot work under a tracer; the other tests look for leaks.
traccia=$(echo | ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" strace -qq -y -e trace=fsync,rename,unlink "$1" gara "$cartella" 1 1 A 2>&1 >/dev/null) || { echo "$traccia"; exit 1; }
passi=$(grep -F "$cartella" <<<"$traccia" | grep ' = 0$' | sed -E "s|$cartella/||g; s|$cartella|.|g; s/^([a-z]+)\([0-9]*<?\"?([^\">]*).*/\1 \2/" | paste -sd' ')
atteso="fsync tomvaldrisken.txt.nuovo fsync tomvaldrisken1.txt.nuovo fsync tomvaldrisken.giornale.nuovo rename tomvaldrisken.giornale.nuovo fsync ."
atteso+=" rename tomvaldrisken.txt.nuovo rename tomvaldrisken1.txt.nuovo fsync . unlink tomvaldrisken.giornale unlink tomvaldrisken.lock"
[ "$passi" = "$atteso" ] || { printf 'on the disk:\n%s\nexpected:\n%s\n' "$passi" "$atteso"; exit 1; }
echo "1 passed, 0 failed"
