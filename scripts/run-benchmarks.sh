#!/usr/bin/env bash
# Runs every benchmark once and briefly, from a build with the benchmarks on (the release preset's
# build-release unless given), so that one that no longer builds or runs fails here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-release}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The windows open in an empty folder and keep their recovery copies in it.
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$work/data LC_ALL=C.UTF-8
cd "$work"

# run <name> <command...>
run() {
  local name=$1
  shift
  echo "-- $name"
  "$@" >"$work/log" 2>&1 || { tail -n 40 "$work/log"; echo "benchmark $name failed" >&2; exit 1; }
}

mapfile -t benchmarks < <(find "$build/bench" -type f -executable -name 'lumitrak_bench_*' | sort)
[ ${#benchmarks[@]} -gt 0 ] || { echo "no benchmarks in $build" >&2; exit 1; }
for benchmark in "${benchmarks[@]}"; do
  name=$(basename "$benchmark")
  case $name in
    lumitrak_bench_commands | lumitrak_bench_import)
      run "$name" "$benchmark" --benchmark_min_time=0.01 ;;
    lumitrak_bench_window_commands)
      run "$name" "$benchmark" -iterations 1 ;;
    lumitrak_bench_drop_import)
      # One of the eight idle measurements: each takes five seconds.
      run "$name" "$benchmark" -iterations 1 dropFile paste clickIntoTheArea importButton \
        "idleWithTheCursorInTheArea:64 KiB output" ;;
    *)
      echo "$name: say in scripts/run-benchmarks.sh how to run it briefly" >&2
      exit 1 ;;
  esac
done
# The start-up benchmark opens the real window under Xvfb.
run startup_bench.sh env -u QT_QPA_PLATFORM bash "$root/bench/startup/startup_bench.sh" \
  "$build/app/lumitrak" 1
