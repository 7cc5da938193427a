#!/usr/bin/env bash
# Two `Blazemere.scr /s` started at once, as an idle watcher may start them,
# ROUNDS times (default 30) on a private Xvfb. Each round counts the fire
# windows and the hosts still running a second later (exactly one of each
# is right), then presses Escape once in the fire and checks that both
# hosts have ended and no fire window is left. Prints every round and the
# totals; exits non-zero unless every round was right.
# Usage: tools/measure-simultaneous-starts.sh [BUILD_DIR] [ROUNDS]   (default: build 30)
set -euo pipefail
. "$(dirname "$0")/measuring.sh"
build=$(realpath "${1:-build}")
rounds=${2:-30}
start_measuring "$build" "$0" "$build" "$rounds"
mkdir -p "$scratch/host"
cp "$build/bin/Blazemere.scr" "$build/bin/Blazemere.dll" "$scratch/host/"
export XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Every program of this run carries its HOME: renderers that a host left
# running are found that way, and no one else's.
end_our_programs() {
  local environ pid
  for environ in $(grep -lzxF "HOME=$HOME" /proc/[0-9]*/environ 2>/dev/null); do
    pid=${environ#/proc/}; pid=${pid%/environ}
    [ "$pid" != $$ ] && kill -9 "$pid" 2>/dev/null || true
  done
}
trap 'end_our_programs; rm -rf "$scratch"' EXIT

fire_windows() { xdotool search --name '^Blazemere_VC$' 2>/dev/null || true; }
count_lines() { grep -c . || true; }

one_fire=0
clean_end=0
for round in $(seq 1 "$rounds"); do
  "$scratch/host/Blazemere.scr" /s & first=$!
  "$scratch/host/Blazemere.scr" /s & second=$!

  for _ in $(seq 1 50); do [ -n "$(fire_windows)" ] && break; sleep 0.1; done
  sleep 1  # time for a second fire to show
  windows=$(fire_windows | count_lines)
  hosts=0
  for pid in "$first" "$second"; do kill -0 "$pid" 2>/dev/null && hosts=$((hosts + 1)); done

  window=$(fire_windows | head -n 1)
  if [ -n "$window" ]; then xdotool windowfocus --sync "$window" key Escape 2>/dev/null || true; fi
  ended=no
  for _ in $(seq 1 30); do
    if ! kill -0 "$first" 2>/dev/null && ! kill -0 "$second" 2>/dev/null && [ -z "$(fire_windows)" ]; then
      ended=yes; break
    fi
    sleep 0.1
  done
  end_our_programs  # whatever one Escape left running
  wait "$first" "$second" 2>/dev/null || true

  [ "$windows" -eq 1 ] && [ "$hosts" -eq 1 ] && one_fire=$((one_fire + 1))
  [ "$ended" = yes ] && clean_end=$((clean_end + 1))
  echo "round $round: $windows fire window(s), $hosts host(s) running, one Escape ended everything: $ended"
  sleep 0.2
done

echo "exactly one fire and one host: $one_fire of $rounds rounds"
echo "one Escape ended everything: $clean_end of $rounds rounds"
[ "$one_fire" -eq "$rounds" ] && [ "$clean_end" -eq "$rounds" ]
