#!/usr/bin/env bash
# The real program under Xvfb and openbox: rows restored, graph opened, closed with OK;
# at 12 pt on this 1366x768 screen the window stays on the screen and its bottom row is reached.
# Usage: xvfb_session_check.sh <lumitrak binary> <artefact folder (screenshots)> <window title>
set -euo pipefail
binary=$(realpath "$1")
artefacts=$(mkdir -p "$2" && realpath "$2")
title=$3
if [ -z "${LUMITRAK_INSIDE_XVFB:-}" ]; then
  export LUMITRAK_INSIDE_XVFB=1
  exec timeout 150 xvfb-run --auto-servernum --server-args="-screen 0 1366x768x24" \
    bash "$0" "$binary" "$artefacts" "$title"
fi
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
work=$(mktemp -d)
export XDG_DATA_HOME=$work/data  # the recovery copies
pid=""
wm=""
trap '[ -n "$pid" ] && kill "$pid"; [ -n "$wm" ] && kill "$wm"
  mountpoint -q "$work/full" && umount "$work/full"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"

# The id of the window titled exactly $1 (of process $2 if given), waiting up to twenty seconds.
titled='{ s = $0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ /, "", s) }
  s == t && (p == "" || $3 == p) { print $1; f = 1; exit }'
window_titled() {
  for _ in $(seq 200); do
    wmctrl -lp | awk -v t="$1" -v p="${2:-}" "$titled END { exit !f }" && return
    sleep 0.1
  done
  return 1
}

# The message boxes of process $1 answered in turn with the keys after it.
answer() {
  local p=$1
  shift
  for key; do
    sleep 0.5
    wmctrl -i -a "$(window_titled Lumitrak "$p")" || fail "no message box for $key"
    xdotool key "$key"
  done
}

start() {
  (cd "$1" && exec "$binary") >>"$artefacts/lumitrak.log" 2>&1 &
  pid=$!
}

# In folder $1: start, open the graph when $2 is "graph", or check the fit on the screen and open
# the graph from the scrolled layout when $2 is "fit"; close, answer the boxes with keys $3...
session() {
  start "$1"
  local main graph frame l r t b x y w h
  main=$(window_titled "$title") || fail "no main window"
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
  answer "$pid" "${@:3}"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  wait "$pid" || fail "lumitrak did not end cleanly after $3"
  pid=""
  ! wmctrl -l | grep -qF "比較星グラフ" || fail "the graph window outlived the main window"
}

expect_bytes() {
  cmp -s "$1" <(printf "$2") || { od -c "$1" >&2; fail "$1 is not as expected"; }
}

# OK: the rows come back normalised and both files are written.
mkdir "$work/ok" "$work/fit"
printf '12.300,10.20\r\n-7.25 , 9 \r\n.5,11\r\n' >"$work/ok/compdata.txt"
printf ' 2 \r\n' >"$work/ok/lumitrak.ini"
session "$work/ok" graph Return
expect_bytes "$work/ok/compdata.txt" ' 12.3 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n'
expect_bytes "$work/ok/lumitrak.ini" ' 2 \r\n'

# A folder named in Shift_JIS: one window is edited, a second is edited and killed; a third offers
# its rows back (Yes); the first saves; the third ends by SIGTERM through the closing and is asked
# before overwriting the first one's table (Yes).
folder=$work/$(printf '\x93\xfa\x96\x7b')
mkdir "$folder"
printf '1,2\r\n' >"$folder/compdata.txt"
start "$folder"
first=$pid
start "$folder"
sleep 1
wmctrl -i -a "$(window_titled "$title" "$pid")"
xdotool type 5
sleep 2
kill -9 "$pid"
wait "$pid" || true
start "$folder"
answer "$pid" Return
wmctrl -i -a "$(window_titled "$title" "$first")"
xdotool type 9
wmctrl -i -c "$(window_titled "$title" "$first")"
answer "$first" Return
window_titled "$title" "$pid" >/dev/null || fail "no main window after the restore"
kill -TERM "$pid"
answer "$pid" Return y
wait "$pid" || fail "lumitrak did not end cleanly after SIGTERM"
pid=""
expect_bytes "$folder/compdata.txt" ' 15 , 2 \r\n'

# A full disk (a small tmpfs, so as root): both Retry boxes cancelled, both old files kept.
if [ "$(id -u)" = 0 ]; then
  mkdir "$work/full"
  mount -t tmpfs -o size=64k tmpfs "$work/full"
  printf '1,2\r\n' >"$work/full/compdata.txt"
  printf ' 1 \r\n' >"$work/full/lumitrak.ini"
  dd if=/dev/zero of="$work/full/filler" bs=4k 2>/dev/null || true
  session "$work/full" none Escape Return Escape
  expect_bytes "$work/full/compdata.txt" '1,2\r\n'
  expect_bytes "$work/full/lumitrak.ini" ' 1 \r\n'
else
  echo "note: the full-disk case needs root to mount a small tmpfs; skipped"
fi
# The night's report: a measurement, Ctrl+R, the fields typed, Enter, then ファイルに追加.
mkdir "$work/report" "$work/config"
printf ' -8 , 11 \r\n-8.5 , 10.5 \r\n-9.5 , 9.5 \r\n-10 , 9 \r\n-11 , 8 \r\n' >"$work/report/compdata.txt"
export XDG_CONFIG_HOME="$work/config"  # where the report window keeps its fields
start "$work/report"
main=$(window_titled "$title") || fail "no main window"
sleep 1
xdotool mousemove --window "$((main))" 288 70 click 1  # the variable star's field
xdotool type -- "-9"
xdotool key Return ctrl+r
report=$(window_titled "観測報告") || fail "Ctrl+R opened no report window"
sleep 0.5
xdotool type "SS CYG"; xdotool key Tab
xdotool type "2024-12-16"; xdotool key Tab
xdotool type "21:30"; xdotool key Tab Tab Tab
xdotool type "ABC"; xdotool key Return
sleep 0.5
import -window "$report" "$artefacts/report-window.png"
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space  # on to ファイルに追加
sleep 1
expect_bytes "$work/report/aavso-report.txt" "#TYPE=EXTENDED\r\n#OBSCODE=ABC\r\n#SOFTWARE=Lumitrak ${title##* ver}\r\n#DELIM=,\r\n#DATE=JD\r\n#OBSTYPE=DSLR\r\n#NAME,DATE,MAG,MERR,FILT,TRANS,MTYPE,CNAME,CMAG,KNAME,KMAG,AMASS,GROUP,CHART,NOTES\r\nSS CYG,2460661.02083,10.000,0.000,TG,NO,STD,ENSEMBLE,na,na,na,na,na,na,linear fit of 5 comparison stars; slope 1.000; r2 1.00000\r\n"
wmctrl -i -c "$main"
answer "$pid" Escape
wait "$pid" || fail "lumitrak did not end cleanly after the report"
pid=""
! wmctrl -l | grep -qF "観測報告" || fail "the report window outlived the main window"

printf '[General]\nfont=Noto Sans CJK JP,12,-1,5,50,0,0,0,0,0\n' >"$work/fit/kdeglobals"
export XDG_CONFIG_HOME="$work/fit" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
session "$work/fit" fit Escape
echo "session check passed; screenshots in $artefacts"
