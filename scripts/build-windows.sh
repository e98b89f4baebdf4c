#!/usr/bin/env bash
# `make windows`: Lumitrak for 64-bit Windows, built and tested on Debian 12. Installs what it
# needs, builds Qt for Windows once (later runs take it from the cache), cross-builds the one
# static lumitrak.exe, runs the Windows tests under wine, and packs and checks
#   <build>/lumitrak-<version>-windows-x64.zip and <build>/lumitrak-<version>-setup.exe.
# Usage: build-windows.sh [build folder, build/windows]   (JOBS: parallel jobs, LUMITRAK_CACHE:
#        where Qt is kept, ~/.cache/lumitrak)
# ccache keeps the compiled files between runs (a fresh clone compiles only what changed).
set -euo pipefail
cd "$(dirname "$0")/.."
# Paths below the clone count as relative, so that another clone of the same code hits the cache.
export CCACHE_BASEDIR=$PWD
build=${1:-build/windows}
jobs=${JOBS:-$(nproc)}
step() { echo "== $1 (at ${SECONDS}s)"; }

step "packages"
bash scripts/install-deps.sh windows
step "Qt for Windows"
qt=$(bash scripts/build-windows-qt.sh | tail -n 1)
echo "$qt"
step "lumitrak.exe and its tests"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/packaging/windows/mingw-w64-x86_64.cmake" \
  -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j "$jobs"
step "tests under wine"
(cd "$build" && ctest --output-on-failure -j "$jobs")
step "zip and installer"
cmake --build "$build" --target windows_packages
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip=$build/lumitrak-$version-windows-x64.zip
setup=$build/lumitrak-$version-setup.exe
step "the packages under wine"
bash tests/windows/package_check.sh "$zip" "$setup" "$build/package-check" "Lumitrak ver$version"
step "done"
ls -l "$zip" "$setup"
