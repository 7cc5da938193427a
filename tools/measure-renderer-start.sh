#!/usr/bin/env bash
# How long Blazemere.dll takes from its start until its window "Blazemere_VC"
# exists, the moment the host's watch can first see it (its first look comes
# after 500 ms). Ten starts on a private Xvfb; prints each and the median.
# Target: median at most 150 ms.
# Usage: tools/measure-renderer-start.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

if [ -z "${BLAZEMERE_MEASURING:-}" ]; then
  BLAZEMERE_MEASURING=1 exec tools/with-xvfb.sh bash "$0" "$build"
fi

data=$(mktemp -d "$build/measure-start.XXXXXX")
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME=$data
"$build/bin/write-palette-ramp" >/dev/null

times=()
for run in $(seq 1 10); do
  start=$(date +%s%N)
  "$build/bin/Blazemere.dll" &
  pid=$!
  # xwininfo asks the server directly, as the host's title lookup does.
  until xwininfo -name Blazemere_VC >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "renderer ended early" >&2; exit 1; }
    sleep 0.002
  done
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  times+=("$ms")
  echo "start $run: $ms ms"
  xdotool key Escape
  wait "$pid" || true
  sleep 0.2
done

median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}')
echo "median start-to-window: $median ms (target <= 150 ms)"
