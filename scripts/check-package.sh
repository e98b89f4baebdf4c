#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, checks what it installs and runs
# the unpacked program through the whole Xvfb session check.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

# The checks below use the test tools (desktop-file-validate, appstreamcli, Xvfb).
bash scripts/install-deps.sh test
make package BUILD="$build"
deb=$(ls -t "$build"/lumitrak_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "package: $deb"
dpkg-deb -f "$deb" Package Version Depends Recommends
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "the package does not depend on Qt Widgets" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n' || { echo "the package does not depend on Qt's translations" >&2; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -q 'fonts-noto-cjk' || { echo "the package does not recommend a Japanese font" >&2; exit 1; }
for file in usr/bin/lumitrak \
            usr/share/applications/org.lumitrak.Lumitrak.desktop \
            usr/share/metainfo/org.lumitrak.Lumitrak.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.lumitrak.Lumitrak.svg \
            usr/share/icons/hicolor/64x64/apps/org.lumitrak.Lumitrak.png \
            usr/share/doc/lumitrak/copyright; do
  [ -e "$root/$file" ] || { echo "the package lacks $file" >&2; exit 1; }
done
grep -qx 'License: GPL-3.0-or-later' "$root/usr/share/doc/lumitrak/copyright" ||
  { echo "the package's copyright file names no GPL-3.0-or-later licence" >&2; exit 1; }
desktop-file-validate "$root/usr/share/applications/org.lumitrak.Lumitrak.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.lumitrak.Lumitrak.metainfo.xml"

version=$(dpkg-deb -f "$deb" Version)
bash tests/app/xvfb_session_check.sh "$root/usr/bin/lumitrak" "$build/package-check" "Lumitrak ver$version"
