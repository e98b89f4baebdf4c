#!/usr/bin/env bash
# Sets variables in a wine prefix's user environment (HKCU\Environment), which every program
# started in it gets. A value that is a Unix path is given as wine's Windows path for it.
# Usage: set-environment.sh <wine-run.sh> <folder> NAME=value...
set -euo pipefail
run=$1 folder=$2
shift 2
for setting; do
  name=${setting%%=*} value=${setting#*=}
  if [ "${value:0:1}" = / ]; then
    value=$("$run" "$folder" winepath -w "$value" | tr -d '\r')
  fi
  "$run" "$folder" reg add 'HKCU\Environment' /v "$name" /d "$value" /f >/dev/null
done
