#!/usr/bin/env bash
# Runs one program under an X server of its own, then stops the server.
set -euo pipefail
source "$(dirname "$0")/x_privato.sh"

lavoro=$(mktemp -d)
xvfb=""
pulisci() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$lavoro"
}
trap pulisci EXIT

avvia_x_privato "$lavoro"
"$@"
