#!/usr/bin/env bash
# The real Windows program under wine, Xvfb and openbox. In a folder named in Japanese: rows
# typed and closed with OK write both files with CR LF; the next start shows the rows, and a
# Shift_JIS Makari output dropped onto it from an X11 program (XDND) fills their measured values.
# Then what a Windows user does to end a program keeps the table: a killed window's table is
# offered at the next start, "taskkill" closes with the closing question, and so does a logout.
# Usage: wine_session_check.sh <lumitrak.exe> <artefact folder> <window title>
set -euo pipefail
exe=$(realpath "$1")
artefacts=$(mkdir -p "$2" && realpath "$2")
title=$3
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${LUMITRAK_INSIDE_XVFB:-}" ]; then
  export LUMITRAK_INSIDE_XVFB=1
  exec timeout 420 xvfb-run --auto-servernum --server-args="-screen 0 1600x1000x24" \
    bash "$0" "$exe" "$artefacts" "$title"
fi
export LC_ALL=C.UTF-8
work=$(mktemp -d)
. "$here/wine-desktop.sh"

# The X11 side of the drop and of the clipboard is a Linux Qt program, as a Linux file manager
# or editor would be.
g++ -std=c++20 -fPIC -O1 "$here/x11_peer.cpp" $(pkg-config --cflags --libs Qt6Widgets) \
  -o "$work/x11_peer" || fail "the X11 peer did not build"

start() {
  (cd "$1" && exec wine "$exe") >>"$artefacts/lumitrak.log" 2>&1 &
  pid=$!
}

# The main window, waited for and given the keyboard.
main_window() {
  local main
  main=$(window_titled "$title") || fail "no main window"
  sleep 1
  wmctrl -i -a "$main"
  sleep 0.3
  echo "$main"
}

# Types the rows' measured values and catalog magnitudes from row 1 on (Tab goes from one to
# the other, and on to the next row).
type_rows() {
  for text; do
    xdotool type --delay 30 "$text"
    xdotool key Tab
  done
}

# Clicks the main window at a point of its layout at 100 % (pixels), scaled as the window is.
click_layout() {
  local width
  width=$(xwininfo -id "$1" | awk '/Width:/ { print $2 }')
  xdotool mousemove --window "$(($1))" $(($2 * width / 914)) $(($3 * width / 914)) click 1
}

folder=$work/$(printf '観測データ')
mkdir "$folder"

# Typed, closed with OK: both files, with CR LF.
start "$folder"
main=$(main_window)
type_rows 12.3 10.2 7.25 9 .5 11
import -window "$main" "$artefacts/typed.png"
wmctrl -i -c "$main"
answer Return
ended "after OK"
expect_bytes "$folder/compdata.txt" ' 12.3 , 10.2 \r\n 7.25 , 9 \r\n .5 , 11 \r\n'
expect_bytes "$folder/lumitrak.ini" ' 0 \r\n'

# The next start shows the rows; a Makari output saved in Shift_JIS is dropped from X11, its
# Japanese is read as Japanese (copied back through the clipboard), and its counts become the
# measured values beside the catalog magnitudes kept from the file.
dropped=$work/$(printf '出力')/$(printf '測光結果.csv')
mkdir -p "$(dirname "$dropped")"
{
  echo '番号,X座標,Y座標,半径,A,B,C,D,E,F,G,H,I,J,K,背景,カウント,判定'
  for count in 250 1000 100; do echo "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,$count,良好"; done
} | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$dropped"
start "$folder"
main=$(main_window)
import -window "$main" "$artefacts/restarted.png"
"$work/x11_peer" drag "$dropped" >"$work/drag.log" 2>&1 &
source_window=$(window_titled "drag source") || fail "the drag source did not start"
wmctrl -i -r "$source_window" -e 0,1400,700,120,80
sleep 0.5
read -r x y width < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ { x = $4 }
  /Absolute upper-left Y/ { y = $4 } /Width:/ { print x, y, $2 }')
xdotool mousemove 1460 740 mousedown 1
for step in 1 2 3 4 5 6 7 8; do  # the import area's middle, in steps as a hand moves
  xdotool mousemove $((1460 + (x + 716 * width / 914 - 1460) * step / 8)) \
    $((740 + (y + 272 * width / 914 - 740) * step / 8))
  sleep 0.2
done
sleep 0.5
xdotool mouseup 1
for _ in $(seq 50); do grep -q dropped "$work/drag.log" && break; sleep 0.1; done
grep -qx dropped "$work/drag.log" || fail "the drop was not taken: $(cat "$work/drag.log")"
sleep 0.5
click_layout "$main" 716 272  # the import area
xdotool key ctrl+a ctrl+c
sleep 0.5
joined=$("$work/x11_peer" clipboard 2>/dev/null)
[[ $joined == " 番号,X座標,Y座標,"*",カウント,判定 1,2,"*",250,良好 1,"* ]] ||
  fail "the dropped Shift_JIS file reads as: $joined"
click_layout "$main" 644 552  # Makari
click_layout "$main" 828 552  # 比較星測光値
sleep 0.5
import -window "$main" "$artefacts/imported.png"
wmctrl -i -c "$main"
answer Return
ended "after the import"
expect_bytes "$folder/compdata.txt" '-5.995 , 10.2 \r\n-7.5 , 9 \r\n-5 , 11 \r\n'
expect_bytes "$folder/lumitrak.ini" ' 1 \r\n'

# Killed two seconds after an edit: the next start offers the table (Yes), and OK keeps it.
start "$folder"
main=$(main_window)
xdotool key End
xdotool type 1
sleep 2
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=""
start "$folder"
answer Return
main=$(main_window)
wmctrl -i -c "$main"
answer Return
ended "after the restore"
expect_bytes "$folder/compdata.txt" '-5.9951 , 10.2 \r\n-7.5 , 9 \r\n-5 , 11 \r\n'

# "taskkill" (WM_CLOSE) closes with the closing question; OK saves what was typed.
start "$folder"
main=$(main_window)
xdotool key End
xdotool type 2
wine taskkill /im lumitrak.exe >/dev/null 2>&1 || fail "taskkill found no lumitrak.exe"
answer Return
ended "after taskkill"
expect_bytes "$folder/compdata.txt" '-5.99512 , 10.2 \r\n-7.5 , 9 \r\n-5 , 11 \r\n'

# A logout (WM_QUERYENDSESSION, then WM_ENDSESSION) asks the closing question while someone is
# there to answer it, and OK saves; then the session ends the process, as Windows does.
start "$folder"
main=$(main_window)
xdotool key End
xdotool type 3
wineboot --end-session >/dev/null 2>&1 &
ending=$!
answer Return
wait "$ending" || fail "the logout failed"
for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$pid" 2>/dev/null || fail "lumitrak.exe outlived the logout"
wait "$pid" 2>/dev/null || true
pid=""
expect_bytes "$folder/compdata.txt" '-5.995123 , 10.2 \r\n-7.5 , 9 \r\n-5 , 11 \r\n'
echo "wine session check passed; screenshots in $artefacts"
