#!/usr/bin/env bash
# Installs the Debian 12 packages Lumitrak needs; a second run does nothing.
# Usage: install-deps.sh [run|package|test]
#   run      building and running the program (what `make run` needs)
#   package  that, and the tools that build the Debian package
#   test     everything: that, and the test, sanitizer, fuzzing and real-window tools (the default)
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

case "$set_name" in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
  *) echo "usage: $0 [run|package|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# One test checks that no number depends on a locale whose decimal point is a comma.
if [ "$set_name" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  as_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || echo "warning: could not generate de_DE.UTF-8" >&2
fi
