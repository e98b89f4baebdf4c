#!/usr/bin/env bash
# The real program under Xvfb and openbox: rows restored, graph opened, closed with OK and Cancel;
# at 12 pt on this 1366x768 screen the window stays on the screen and its bottom row is reached.
# Usage: xvfb_session_check.sh <lumitrak binary> <artefact folder (screenshots)>
set -euo pipefail
binary=$(realpath "$1")
artefacts=$(mkdir -p "$2" && realpath "$2")
if [ -z "${LUMITRAK_INSIDE_XVFB:-}" ]; then
  export LUMITRAK_INSIDE_XVFB=1
  exec timeout 150 xvfb-run --auto-servernum --server-args="-screen 0 1366x768x24" \
    bash "$0" "$binary" "$artefacts"
fi
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
work=$(mktemp -d)
pid=""
wm=""
trap '[ -n "$pid" ] && kill "$pid"; [ -n "$wm" ] && kill "$wm"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"

# The id of the window titled exactly $1, waiting up to twenty seconds for it.
titled='{ s = $0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ /, "", s); if (s == t) { print $1; f = 1; exit } }'
window_titled() {
  for _ in $(seq 200); do
    wmctrl -l | awk -v t="$1" "$titled END { exit !f }" && return
    sleep 0.1
  done
  return 1
}

# In folder $1: start, open the graph when $2 is "graph", or check the fit on the screen and open
# the graph from the scrolled layout when $2 is "fit"; close, answer the prompt with key $3.
session() {
  (cd "$1" && exec "$binary") >"$artefacts/lumitrak-$3.log" 2>&1 &
  pid=$!
  local main graph frame l r t b x y w h
  main=$(window_titled "Lumitrak ver4.11") || fail "no main window"
  sleep 1
  if [ "$2" = graph ]; then
    import -window "$main" "$artefacts/main-window.png"
    xdotool mousemove --window "$((main))" 472 552 click 1  # the graph button's middle
    graph=$(window_titled "比較星グラフ") || fail "the graph window did not open"
    sleep 0.5
    import -window "$graph" "$artefacts/graph-window.png"
  elif [ "$2" = fit ]; then  # the window and its frame within the screen
    frame=$(xprop -id "$main" _NET_FRAME_EXTENTS | cut -d= -f2 | tr -d ,)  # left right top bottom
    read -r l r t b x y w h < <(xwininfo -id "$main" | awk -v v="$frame" '/Absolute upper-left/ {
      v = v " " $4 } /Width:|Height:/ { v = v " " $2 } END { print v }')
    ((x >= l && y >= t && x + w + r <= 1366 && y + h + b <= 768)) || fail "${w}x$h at $x,$y"
    xdotool mousemove --window "$((main))" 100 100 click 5 click 5  # scrolled to the bottom
    xdotool mousemove --window "$((main))" 630 $((h - 30)) click 1  # the graph button's middle
    window_titled "比較星グラフ" >/dev/null || fail "the graph button is out of reach"
  fi
  wmctrl -i -c "$main"
  wmctrl -i -a "$(window_titled Lumitrak)" || fail "no save prompt after closing"
  sleep 0.3
  xdotool key "$3"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  wait "$pid" || fail "lumitrak did not end cleanly after $3"
  pid=""
  ! wmctrl -l | grep -qF "比較星グラフ" || fail "the graph window outlived the main window"
}

expect_bytes() {
  cmp -s "$1" <(printf "$2") || { od -c "$1" >&2; fail "$1 is not as expected"; }
}

# OK: the rows come back normalised and both files are written. Cancel: only the settings.
mkdir "$work/ok" "$work/cancel" "$work/fit"
printf '12.300,10.20\r\n-7.25 , 9 \r\n.5,11\r\n' >"$work/ok/compdata.txt"
printf ' 2 \r\n' >"$work/ok/lumitrak.ini"
printf '1,2\r\n' >"$work/cancel/compdata.txt"
printf '1\n' >"$work/cancel/lumitrak.ini"
session "$work/ok" graph Return
expect_bytes "$work/ok/compdata.txt" ' 12.3 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n'
expect_bytes "$work/ok/lumitrak.ini" ' 2 \r\n'
session "$work/cancel" none Escape
expect_bytes "$work/cancel/compdata.txt" '1,2\r\n'
expect_bytes "$work/cancel/lumitrak.ini" ' 1 \r\n'
printf '[General]\nfont=Noto Sans CJK JP,12,-1,5,50,0,0,0,0,0\n' >"$work/fit/kdeglobals"
export XDG_CONFIG_HOME="$work/fit" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
session "$work/fit" fit Escape
echo "session check passed; screenshots in $artefacts"
