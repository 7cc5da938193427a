#!/usr/bin/env bash
# Configures and builds one build tree.
# Usage: tools/build.sh DIR [cmake -D options...] [--target T...]
# BLAZEMERE_JOBS, when set, is how many compilers run at once.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
configure=(); targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --target) targets+=(--target "$2"); shift 2 ;;
    *) configure+=("$1"); shift ;;
  esac
done
cmake -S . -B "$dir" -G Ninja "${configure[@]}" >/dev/null
cmake --build "$dir" ${BLAZEMERE_JOBS:+-j "$BLAZEMERE_JOBS"} "${targets[@]}"
