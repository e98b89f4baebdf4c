#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build=build-fuzz
CXX=clang++ CC=clang cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMITRAK_BUILD_GUI=OFF -DLUMITRAK_BUILD_TESTS=OFF -DLUMITRAK_BUILD_FUZZ=ON \
  -DLUMITRAK_SANITIZE=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
mapfile -t targets < <(find "$build/fuzz" -type f -executable -name 'lumitrak_fuzz_*' | sort)
if [ ${#targets[@]} -eq 0 ]; then echo "no fuzz targets built" >&2; exit 1; fi
for target in "${targets[@]}"; do
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  echo "-- $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 "$corpus" 2>"$build/$name.log" \
    || { tail -n 60 "$build/$name.log"; echo "fuzzer $name failed" >&2; exit 1; }
  grep -E '^(#[0-9]+ +DONE|Done )' "$build/$name.log" | tail -n 1 || true
done
