#!/usr/bin/env bash
# Regenerates every PNG in this folder from its SVG source.
# Needs rsvg-convert (librsvg) and ImageMagick's convert.
# Works from any directory; the output is byte-for-byte repeatable
# (no time stamps or other varying chunks are written into the PNGs).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

# Chunks left out of every PNG: dates and text make the files change on each
# run, colour-management chunks only add bytes. pHYs (resolution) is kept.
strip_chunks=(-define png:exclude-chunk=bKGD,cHRM,date,EXIF,gAMA,iCCP,iTXt,sRGB,tEXt,tIME,zCCP,zTXt)

# opaque SVG OUT SIZE_W SIZE_H [DPI]
# 24-bit RGB, no alpha channel; DPI, when given, is stored in the header.
opaque() {
    local svg=$1 out=$2 w=$3 h=$4 dpi=${5:-}
    local density=()
    if [[ -n $dpi ]]; then
        density=(-units PixelsPerInch -density "$dpi")
    fi
    rsvg-convert -w "$w" -h "$h" "$svg" \
        | convert png:- -background black -alpha remove -alpha off \
            -strip "${density[@]}" "${strip_chunks[@]}" "PNG24:$out"
}

# transparent SVG OUT SIZE
# 32-bit RGBA, square.
transparent() {
    local svg=$1 out=$2 s=$3
    rsvg-convert -w "$s" -h "$s" "$svg" \
        | convert png:- -strip "${strip_chunks[@]}" "PNG32:$out"
}

opaque sfondo.svg sfondo.png     640 480 300
opaque sfondo.svg sfondo@2x.png 1280 960 600

opaque icona.svg icona.png        99  99
opaque icona.svg icona@2x.png    198 198
opaque icona.svg icona-256.png   256 256

for name in sorriso divieto cursore-mano cursore-saluto cursore-corona; do
    transparent "$name.svg" "$name.png"    32
    transparent "$name.svg" "$name@2x.png" 64
done

# The desktop's icon theme, at the sizes menus and docks ask for; the SVG
# itself is installed as the scalable one.
for s in 16 22 24 32 48 64 128 256; do
    mkdir -p "hicolor/${s}x${s}"
    opaque icona.svg "hicolor/${s}x${s}/it.zeffirano.Zeffirano.png" "$s" "$s"
done
