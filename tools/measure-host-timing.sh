#!/usr/bin/env bash
# Measures, under a private Xvfb, how long `Blazemere.scr /s` takes from its
# start to the renderer's window, and from Escape in the renderer to the
# host's exit. Prints the median of 10 runs of each, in milliseconds.
# Usage: tools/measure-host-timing.sh [BIN_DIR]   (default build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(readlink -f "${1:-build/bin}")
[ -x "$bin/Blazemere.scr" ] && [ -x "$bin/Blazemere.dll" ] || { echo "build Blazemere.scr and Blazemere.dll first" >&2; exit 1; }

if [ -z "${BLAZEMERE_TIMING_INNER:-}" ]; then
  export BLAZEMERE_TIMING_INNER=1
  exec tools/with-xvfb.sh bash "$0" "$bin"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
mkdir -p "$HOME"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

starts=()
ends=()
for run in $(seq 1 10); do
  t0=$(now_ms)
  "$bin/Blazemere.scr" /s &
  host=$!
  window=
  for _ in $(seq 1 2000); do
    window=$(xdotool search --name '^Blazemere_VC$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.005
  done
  t1=$(now_ms)
  [ -n "$window" ] || { echo "run $run: no renderer window" >&2; kill "$host"; exit 1; }
  # Let the renderer settle (full screen, palette read) before ending it.
  sleep 1
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  t2=$(now_ms)
  xdotool key Escape
  wait "$host"
  t3=$(now_ms)
  starts+=($((t1 - t0)))
  ends+=($((t3 - t2)))
  echo "run $run: start to renderer window $((t1 - t0)) ms, Escape to host exit $((t3 - t2)) ms"
done
echo "median start to renderer window: $(printf '%s\n' "${starts[@]}" | median) ms"
echo "median Escape to host exit:      $(printf '%s\n' "${ends[@]}" | median) ms"
