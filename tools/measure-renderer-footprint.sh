#!/usr/bin/env bash
# The renderer's start and memory against a bare freeglut program (bench/
# bare_glut.cpp: same display mode and title, full screen, a loop that only
# clears and swaps), started in turn on one private Xvfb, RUNS times each.
# A third program, the bare one with --textured, makes the fire's GL calls
# on a fixed texture: what drawing the fire costs the GL library itself
# (under Mesa's llvmpipe mostly the code pages of LLVM that compile the
# textured square's shaders), so the difference between it and the renderer
# is what the renderer's own code adds.
# Prints every run, then per program the median start-to-window time (the
# host's whole-tree title lookup, 1 ms polls) and the median resident memory
# 3 s after the start (VmRSS, split into anonymous and file pages), and the
# renderer's ratios to the two others.
# Usage: tools/measure-renderer-footprint.sh [BUILD_DIR] [RUNS]   (build, 10)
set -euo pipefail
. "$(dirname "$0")/measuring.sh"
build=$(realpath "${1:-build}")
runs=${2:-10}
start_measuring "$build" "$0" "$build" "$runs"
trap 'rm -rf "$scratch"' EXIT

"$build/bin/write-palette-ramp" >/dev/null
programs=(renderer bare textured)
declare -A command=([renderer]="$build/bin/Blazemere.dll" [bare]="$build/bin/bare-glut"
                    [textured]="$build/bin/bare-glut --textured")
log=$scratch/runs.log

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((i = 1; i <= runs; i++)); do
  # Rotate which goes first, so none always runs on the warmer cache.
  order=("${programs[@]:i%3}" "${programs[@]:0:i%3}")
  for p in "${order[@]}"; do
    # shellcheck disable=SC2086  # the command's words
    "$build/bin/measure-window-timing" --resident-after 3 1 Blazemere_VC ${command[$p]} |
      sed -n "s/^run 1: /$p /p" | tee -a "$log"
  done
done
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

echo
printf '%-9s %14s %12s %10s %10s\n' "" "start (ms)" "rss (kB)" "anon" "file"
for p in "${programs[@]}"; do
  printf '%-9s %14s %12s %10s %10s\n' "$p" "$(median "$p" window)" "$(median "$p" rss)" \
    "$(median "$p" anon)" "$(median "$p" file)"
done
for other in bare textured; do
  awk -v o="$other" -v rs="$(median renderer window)" -v os="$(median "$other" window)" \
      -v rm="$(median renderer rss)" -v om="$(median "$other" rss)" \
      'BEGIN { printf "renderer / %s: start %.2f, resident memory %.2f\n", o, rs / os, rm / om }'
done
