# Sourced by the real-window checks of the Windows program: a wine prefix and home of their own
# in $work (never the user's), openbox on the Xvfb display, and the window helpers.
# Needs: $work (a fresh folder), $artefacts (screenshots and logs).
export WINEPREFIX=$work/prefix HOME=$work/home WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME"
rm -f "$artefacts/failure.png"
pid=""
wm=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; wineserver -k 2>/dev/null
  [ -n "$wm" ] && kill "$wm"; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  import -window root "$artefacts/failure.png" 2>/dev/null || true
  exit 1
}

wineboot --init >"$artefacts/wineboot.log" 2>&1
wineserver -w  # wineboot returns before the prefix is written
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"

# The Unix path of a Windows folder named by a variable ("LOCALAPPDATA", "APPDATA", ...).
unix_folder() {
  winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')" 2>/dev/null
}

# The id of the window titled exactly $1 (of process $2 if given), waiting up to thirty seconds.
titled='{ s = $0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ /, "", s) }
  s == t && (p == "" || $3 == p) { print $1; f = 1; exit }'
window_titled() {
  for _ in $(seq 300); do
    wmctrl -lp | awk -v t="$1" -v p="${2:-}" "$titled END { exit !f }" && return
    sleep 0.1
  done
  return 1
}

# The message boxes titled "Lumitrak" answered in turn with the keys given; the last one
# asked is kept as a screenshot.
answer() {
  local box
  for key; do
    sleep 1
    box=$(window_titled Lumitrak) || fail "no message box for $key"
    wmctrl -i -a "$box"
    sleep 0.3
    import -window "$box" "$artefacts/question.png" 2>/dev/null || true
    xdotool key "$key"
  done
}

# Waits for the program to end; fails when it does not within twenty seconds or ends badly.
ended() {
  for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  wait "$pid" || fail "lumitrak.exe did not end cleanly: $*"
  pid=""
}

expect_bytes() {
  cmp -s "$1" <(printf -- "$2") || { od -c "$1" >&2 || true; fail "$1 is not as expected"; }
}
