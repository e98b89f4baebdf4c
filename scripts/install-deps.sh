#!/usr/bin/env bash
# Installs the Debian 12 packages Lumitrak needs; a second run does nothing.
# Usage: install-deps.sh [run|package|test|windows]
#   run      building and running the program (what `make run` needs)
#   package  that, and the tools that build the Debian package
#   test     everything for Linux: that, and the test, sanitizer, fuzzing and real-window tools
#            (the default)
#   windows  building Qt and Lumitrak for Windows, testing them under wine and packing the zip
#            and the installer (what `make windows` needs); it also adds Debian's source archive
#            to apt's lists, for Qt's source
# As root it installs at once; otherwise through sudo when there is one, else through `su -c`
# (asking for root's password), else it prints the command to run as root.
set -euo pipefail

set_name=${1:-test}

run=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-noto-cjk qt6-translations-l10n
)
package=(dpkg-dev file)
test=(
  googletest libgtest-dev libbenchmark-dev qt6-base-private-dev
  clang clang-format libclang-rt-14-dev
  xvfb xauth x11-utils imagemagick openbox wmctrl xdotool
  locales appstream desktop-file-utils
)
# The cross compiler and ccache, GoogleTest's source, wine for the tests, the icon's tools
# (librsvg2-bin draws the SVG, icoutils packs the .ico), the zip and the installer's compiler,
# and the window tools of the real-window check.
windows=(
  dpkg-dev g++-mingw-w64-x86-64-posix ccache googletest
  wine wine64 nsis zip unzip librsvg2-bin icoutils
  xvfb xauth x11-utils imagemagick openbox wmctrl xdotool
)

case "$set_name" in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
  windows) packages=("${run[@]}" "${windows[@]}") ;;
  *) echo "usage: $0 [run|package|test|windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# What root has to do, as one script, so that su asks for the password once.
steps=()
if [ "$set_name" = windows ] && ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:'; then
  # Qt for Windows is built from Debian's own qt6-base source.
  steps+=("printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
'Suites: bookworm bookworm-updates' 'Components: main' \
'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' \
>/etc/apt/sources.list.d/lumitrak-deb-src.sources")
  steps+=("apt-get update -qq")
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  [ ${#steps[@]} -gt 0 ] || steps+=("apt-get update -qq")
  steps+=("DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ${missing[*]}")
fi
# One test checks that no number depends on a locale whose decimal point is a comma.
if [ "$set_name" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  steps+=("{ localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || echo 'warning: could not generate de_DE.UTF-8' >&2; }")
fi
[ ${#steps[@]} -gt 0 ] || exit 0

script=$(printf '%s && ' "${steps[@]}")
script=${script% && }
if [ "$(id -u)" -eq 0 ]; then
  bash -c "$script"
elif command -v sudo >/dev/null 2>&1; then
  sudo bash -c "$script"
elif [ -t 0 ] && command -v su >/dev/null 2>&1; then
  echo "No sudo here: su asks for root's password."
  su root -c "bash -c $(printf '%q' "$script")"
else
  echo "Installing needs root. Run this as root, then run make again:" >&2
  echo "  $script" >&2
  exit 1
fi
