#!/usr/bin/env bash
# The display mode under the real XScreenSaver, ROUNDS runs (default 5) of
# the test that activates it twice on two monitors: how long from
# activation to fire on both monitors, and from deactivation to our
# processes gone and to the music stopped. Prints every figure, then the
# least, the median and the most of each. The test brings its own Xvfb.
# Usage: tools/measure-xscreensaver.sh [BUILD_DIR] [ROUNDS]   (default: build 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
rounds=${2:-5}
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT

for round in $(seq 1 "$rounds"); do
  BLAZEMERE_BIN_DIR=$build/bin "$build/bin/xscreensaver_mode_test" \
    --gtest_filter='XScreenSaverMode.EachMonitor*' 2>&1 | grep '^xscreensaver: ' | tee -a "$figures" ||
    echo "round $round: no figures (the test failed?)"
done

echo "--- $rounds round(s), two activations each: least / median / most"
for what in "activation to fire on both monitors" "deactivation to our processes gone" \
  "deactivation to music stopped"; do
  grep -F "xscreensaver: $what: " "$figures" | sed -E 's/.*: ([0-9]+) ms$/\1/' | sort -n |
    awk -v what="$what" '{ v[NR] = $1 } END {
      if (NR == 0) { print what ": none"; exit }
      printf "%s: %d / %d / %d ms\n", what, v[1], v[int((NR + 1) / 2)], v[NR] }'
done
