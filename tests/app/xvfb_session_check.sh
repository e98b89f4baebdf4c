#!/usr/bin/env bash
# A whole session of the real lumitrak program under Xvfb with a window manager: it starts in a
# folder holding a "compdata.txt" and a "lumitrak.ini", shows the rows, opens the graph window
# (both screenshots are kept), and is closed the way a window manager closes it. The save prompt
# is answered once with OK and once with Cancel, and the files' bytes are compared.
# Usage: xvfb_session_check.sh <lumitrak binary> <artefact folder>
set -euo pipefail

binary=$(realpath "$1")
artefacts=$(mkdir -p "$2" && realpath "$2")

if [ -z "${LUMITRAK_INSIDE_XVFB:-}" ]; then
  export LUMITRAK_INSIDE_XVFB=1
  exec timeout 150 xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" \
    bash "$0" "$binary" "$artefacts"
fi
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8

main_title="Lumitrak ver4.11"
graph_title="比較星グラフ"
pid=""
wm=""
work=$(mktemp -d)
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"

# The id of the window whose title is exactly $1, waiting up to ten seconds for it.
window_titled() {
  local id
  for _ in $(seq 1 100); do
    id=$(wmctrl -l | awk -v t="$1" '{ title = $0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ /, "", title); if (title == t) { print $1; exit } }')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

wait_for_exit() {
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; return $?; }
    sleep 0.1
  done
  fail "lumitrak did not end after the prompt was answered"
}

# Starts lumitrak in folder $1, opens the graph window when $2 is "graph", closes the main
# window through the window manager and answers the prompt with key $3.
session() {
  local folder=$1 graph=$2 answer=$3 main prompt
  (cd "$folder" && exec "$binary") >"$artefacts/lumitrak-$answer.log" 2>&1 &
  pid=$!
  main=$(window_titled "$main_title") || fail "no window titled \"$main_title\""
  sleep 1
  if [ "$graph" = graph ]; then
    import -window "$main" "$artefacts/main-window.png"
    local size
    size=$(xwininfo -id "$main" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w "x" h}')
    [ "$size" = 914x576 ] || fail "the main window is $size, expected 914x576"
    # The graph button: left 6240, top 8040, 1695 x 495 twips, at 15 twips a pixel.
    xdotool mousemove --window "$((main))" 472 552 click 1
    local graph_window
    graph_window=$(window_titled "$graph_title") || fail "the graph window did not open"
    sleep 0.5
    import -window "$graph_window" "$artefacts/graph-window.png"
  fi
  wmctrl -i -c "$main"
  prompt=$(window_titled "Lumitrak") || fail "no save prompt after closing"
  wmctrl -i -a "$prompt"
  sleep 0.3
  xdotool key "$answer"
  wait_for_exit || fail "lumitrak exited with status $?"
  pid=""
  if [ "$graph" = graph ] && wmctrl -l | grep -qF "$graph_title"; then
    fail "the graph window outlived the main window"
  fi
}

expect_bytes() {
  local file=$1 expected=$2
  if ! cmp -s "$file" <(printf "$expected"); then
    echo "$file holds:" >&2; od -c "$file" >&2
    fail "$(basename "$file") is not as expected"
  fi
}

# OK: the rows come back normalised, the graph opens, and both files are written.
ok="$work/ok"
mkdir -p "$ok"
printf '12.300,10.20\r\n-7.25 , 9 \r\n.5,11\r\n' >"$ok/compdata.txt"
printf ' 2 \r\n' >"$ok/lumitrak.ini"
session "$ok" graph Return
expect_bytes "$ok/compdata.txt" ' 12.3 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n'
expect_bytes "$ok/lumitrak.ini" ' 2 \r\n'

# Cancel: the data file stays as it was, the settings file is written all the same.
cancel="$work/cancel"
mkdir -p "$cancel"
printf '1,2\r\n' >"$cancel/compdata.txt"
printf '1\n' >"$cancel/lumitrak.ini"
session "$cancel" none Escape
expect_bytes "$cancel/compdata.txt" '1,2\r\n'
expect_bytes "$cancel/lumitrak.ini" ' 1 \r\n'

echo "session check passed; screenshots in $artefacts"
