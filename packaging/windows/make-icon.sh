#!/usr/bin/env bash
# The program's Windows icon from its SVG: rsvg-convert (librsvg2-bin) draws each size Windows
# asks for, icotool (icoutils) packs them, the 256-pixel one as PNG as Windows expects it.
# Usage: make-icon.sh <icon.svg> <icon.ico>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sizes=()
for size in 16 20 24 32 40 48 64; do
  rsvg-convert -w "$size" -h "$size" "$1" -o "$work/$size.png"
  sizes+=("$work/$size.png")
done
rsvg-convert -w 256 -h 256 "$1" -o "$work/256.png"
icotool -c -o "$2" "${sizes[@]}" -r "$work/256.png"
