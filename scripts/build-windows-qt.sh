#!/usr/bin/env bash
# Builds Qt for Windows once: Debian's own qt6-base source, cross-compiled with mingw-w64 into
# static libraries, against the host's Qt tools of the same version. The result lives in a cache
# outside the clone, keyed by the source version and the configure options, so later runs (and
# other clones) reuse it. Prints the prefix on its last line.
# Usage: build-windows-qt.sh   (LUMITRAK_CACHE overrides ~/.cache/lumitrak)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$root/packaging/windows/mingw-w64-x86_64.cmake
cache=${LUMITRAK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lumitrak}

# The host's Qt tools (moc, rcc, uic) build the target's code, so both must be one version.
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
options=(
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_pkg_config=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
  # Debian's source has no wintab; and with OpenGL only switched off, dynamic OpenGL stays on
  # and the Windows platform plugin does not compile.
  -DFEATURE_tabletevent=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
  # Without Direct2D, Qt Gui leaves out the DirectWrite font database that the Windows platform
  # plugin still calls when DirectWrite 3 is on: the program would not link. The plugin's GDI
  # font database, Qt's default on Windows, stays.
  -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
)
key=$( (echo "$version"; printf '%s\n' "${options[@]}"; cat "$toolchain") | sha256sum | cut -c1-12)
prefix=$cache/qt-$version-mingw-static-$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$cache/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
echo "Building Qt $version for Windows into $prefix (about 45 minutes on 2 cores)" >&2
(cd "$work" && apt-get source -qq --download-only "qt6-base=$version" >&2 &&
  dpkg-source -x --no-check qt6-base_*.dsc src >/dev/null)
cmake -S "$work/src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${options[@]}" >"$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 ||
  { grep -m 20 -B 2 -A 8 'error' "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
