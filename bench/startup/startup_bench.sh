#!/usr/bin/env bash
# Starts the real lumitrak binary under Xvfb again and again and reports the median time until
# its window is mapped, and the median of its peak memory (VmHWM) once the window is up.
# Usage: bench/startup/startup_bench.sh <path to lumitrak> [runs, default 30]
set -euo pipefail
binary=$(readlink -f "$1")
runs=${2:-30}
# The window title carries the version named in the top CMakeLists.txt.
version=$(sed -n 's/^project(Lumitrak VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
title="Lumitrak ver$version"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
times=()
peaks=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  (cd "$work" && exec "$binary") &
  pid=$!
  mapped=""
  for ((tries = 0; tries < 4000; tries++)); do
    if xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; then
      mapped=$(date +%s%N)
      break
    fi
    sleep 0.002
  done
  if [ -z "$mapped" ]; then
    kill "$pid" 2>/dev/null || true
    echo "run $i: the window never appeared" >&2
    exit 1
  fi
  sleep 0.2   # let the first paint finish before reading the peak
  peak_kb=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  times+=($(((mapped - start) / 1000000)))
  peaks+=("$peak_kb")
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
echo "runs: $runs"
echo "window mapped, median: $(median "${times[@]}") ms (min $(printf '%s\n' "${times[@]}" | sort -n | head -1), max $(printf '%s\n' "${times[@]}" | sort -n | tail -1))"
echo "peak memory (VmHWM), median: $(( $(median "${peaks[@]}" | cut -d. -f1) / 1024 )) MiB"
