#!/usr/bin/env bash
# The two Windows packages under wine, Xvfb and openbox, as a user without administrator rights
# meets them. The installer, silent: the program in %LOCALAPPDATA%\Programs\Lumitrak, a
# Start-menu shortcut that starts it in Documents\Lumitrak (its data files land there), an
# uninstaller registered for this user; the silent uninstaller removes the program, its shortcut
# and its registration and leaves the data folder. The zip: its program, started in the folder
# it was unpacked into, keeps its data files beside it.
# Usage: package_check.sh <zip> <setup.exe> <artefact folder> <window title>
set -euo pipefail
zip=$(realpath "$1")
setup=$(realpath "$2")
artefacts=$(mkdir -p "$3" && realpath "$3")
title=$4
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${LUMITRAK_INSIDE_XVFB:-}" ]; then
  export LUMITRAK_INSIDE_XVFB=1
  exec timeout 300 xvfb-run --auto-servernum --server-args="-screen 0 1600x1000x24" \
    bash "$0" "$zip" "$setup" "$artefacts" "$title"
fi
export LC_ALL=C.UTF-8
work=$(mktemp -d)
. "$here/wine-desktop.sh"

# The zip: the program, its licence, the readme and the notices, and an exe that has its icon,
# its version and a manifest that asks for no elevation.
unpacked=$work/$(printf 'ポータブル')
mkdir "$unpacked"
unzip -q "$zip" -d "$unpacked"
for file in lumitrak.exe LICENSE.txt readme.txt THIRD-PARTY-NOTICES.txt; do
  [ -f "$unpacked/$file" ] || fail "the zip lacks $file"
done
grep -q 'GNU GENERAL PUBLIC LICENSE' "$unpacked/LICENSE.txt" || fail "LICENSE.txt is not the GPL"
resources=$(wrestool -l "$unpacked/lumitrak.exe")
for type in 14 16 24; do  # group icon, version, manifest
  grep -q -- "--type=$type " <<<"$resources" || fail "lumitrak.exe lacks resources of type $type"
done
wrestool -x --raw -t 24 "$unpacked/lumitrak.exe" | grep -q 'level="asInvoker"' ||
  fail "lumitrak.exe's manifest does not run it as the invoker"

# Started where it was unpacked, as Explorer starts it, the program keeps its files beside it.
(cd "$unpacked" && exec wine lumitrak.exe) >>"$artefacts/lumitrak.log" 2>&1 &
pid=$!
main=$(window_titled "$title") || fail "the zip's program shows no window"
sleep 1
wmctrl -i -c "$main"
answer Return
ended "from the zip"
expect_bytes "$unpacked/lumitrak.ini" ' 0 \r\n'
[ -f "$unpacked/compdata.txt" ] || fail "the zip's program kept no compdata.txt beside it"

# Installed silently, for this user alone.
wine "$setup" /S || fail "the installer failed"
wineserver -w
programs=$(unix_folder LOCALAPPDATA)/Programs/Lumitrak
menu=$(unix_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs
documents=$(winepath -u "$(wine cmd /c echo %USERPROFILE%\\Documents | tr -d '\r')")
for file in lumitrak.exe uninstall.exe LICENSE.txt readme.txt THIRD-PARTY-NOTICES.txt; do
  [ -f "$programs/$file" ] || fail "the installer did not install $file into $programs"
done
cmp -s "$programs/lumitrak.exe" "$unpacked/lumitrak.exe" || fail "the two packages differ"
[ -f "$menu/Lumitrak.lnk" ] || fail "no Start-menu shortcut"
[ -d "$documents/Lumitrak" ] || fail "no data folder Documents\\Lumitrak"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumitrak'
wine reg query "$key" /v UninstallString | grep -q 'uninstall.exe' ||
  fail "no uninstaller registered under $key"
wine reg query "$key" /v DisplayVersion | tr -d '\r' | grep -q " ${title##* ver}$" ||
  fail "the registered version is not ${title##* ver}"

# Started from the shortcut, the program works in the data folder.
wine start /wait "$(winepath -w "$menu/Lumitrak.lnk")" >>"$artefacts/lumitrak.log" 2>&1 &
pid=$!
main=$(window_titled "$title") || fail "the shortcut starts no window"
sleep 1
import -window "$main" "$artefacts/installed.png"
wmctrl -i -c "$main"
answer Return
ended "from the shortcut"
wineserver -w  # start.exe may return before the program it started has ended
expect_bytes "$documents/Lumitrak/lumitrak.ini" ' 0 \r\n'
[ -f "$documents/Lumitrak/compdata.txt" ] || fail "no compdata.txt in Documents\\Lumitrak"
[ ! -e "$programs/lumitrak.ini" ] || fail "the shortcut's program wrote into its own folder"

# Uninstalled silently: the program, the shortcut and the registration go, the data stays. The
# uninstaller copies itself away and returns at once, so wine is waited for.
wine "$programs/uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
[ ! -e "$programs" ] || fail "the uninstaller left $(ls "$programs")"
[ ! -e "$menu/Lumitrak.lnk" ] || fail "the uninstaller left the shortcut"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left $key"
expect_bytes "$documents/Lumitrak/lumitrak.ini" ' 0 \r\n'
echo "Windows package check passed"
