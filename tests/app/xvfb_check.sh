#!/usr/bin/env bash
# Starts the real lumitrak program under Xvfb in an empty folder, waits for its window, takes a
# screenshot, checks the window's size and ends the program.
# Usage: xvfb_check.sh <lumitrak binary> <artefact folder>
set -euo pipefail

binary=$(realpath "$1")
artefacts=$(mkdir -p "$2" && realpath "$2")

export QT_QPA_PLATFORM=xcb
if [ -z "${LUMITRAK_INSIDE_XVFB:-}" ]; then
  # Re-run this script inside a fresh X server of its own.
  export LUMITRAK_INSIDE_XVFB=1
  exec timeout 90 xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" \
    bash "$0" "$binary" "$artefacts"
fi

work=$(mktemp -d)
pid=""
finish() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap finish EXIT

cd "$work"
"$binary" >"$artefacts/lumitrak.log" 2>&1 &
pid=$!

title="Lumitrak ver4.11"
window=""
for _ in $(seq 1 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "lumitrak ended before its window appeared" >&2
    cat "$artefacts/lumitrak.log" >&2
    exit 1
  fi
  window=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title\"" | awk '{print $1}' | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "no window titled \"$title\"" >&2
  exit 1
fi

# Give the window time to paint before the screenshot.
for _ in $(seq 1 25); do
  xwininfo -id "$window" | grep -q 'Map State: IsViewable' && break
  sleep 0.2
done
sleep 1

info=$(xwininfo -id "$window")
width=$(awk '/^ *Width:/ {print $2}' <<<"$info")
height=$(awk '/^ *Height:/ {print $2}' <<<"$info")
import -window "$window" "$artefacts/lumitrak-window.png"
echo "window $window: ${width}x${height}; screenshot $artefacts/lumitrak-window.png"

if [ "$width" != 914 ] || [ "$height" != 576 ]; then
  echo "client area is ${width}x${height}, expected 914x576" >&2
  exit 1
fi
