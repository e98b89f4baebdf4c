#!/usr/bin/env bash
# Runs a Windows program under wine, for ctest and test discovery (the tests' crosscompiling
# emulator):  wine-run.sh <folder> <program.exe> [arguments...]
# The wine prefix and the home that wine sees both live in <folder>, which belongs to the build
# tree, so nothing is written into the user's home or desktop menus. The first run creates the
# prefix (some 20 seconds); later runs, parallel ones too, share it.
set -euo pipefail
folder=$1
shift
mkdir -p "$folder/home"
export WINEPREFIX=$folder/prefix HOME=$folder/home WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
(
  flock 9
  if [ ! -f "$folder/ready" ]; then
    wineboot --init >"$folder/wineboot.log" 2>&1
    wineserver -w  # wineboot returns before the prefix is written
    touch "$folder/ready"
  fi
) 9>"$folder/lock"
# The server outlives each program by half a minute rather than wine's usual three seconds: a
# program that starts just as the server ends can fail on its way out ("wine client error").
# A new server's first program starts wine's own services, which live as long as the server and
# keep the output the caller reads (ctest's pipe) open: a program with nothing on its output
# starts them here, so that the caller is answered when the test's program ends, not half a
# minute later. Starting the server fails when one is running already.
if wineserver -p30 </dev/null >/dev/null 2>&1; then
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
fi
exec wine "$@"
