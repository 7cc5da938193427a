#!/usr/bin/env bash
# Runs a command on a private Xvfb display and stops the server afterwards.
# Usage: tools/with-xvfb.sh [-s WIDTHxHEIGHT] command [args...]
set -euo pipefail

size=1280x1024
if [ "${1:-}" = "-s" ]; then size=$2; shift 2; fi

# A display number nobody uses: no socket and no lock file.
display=
for n in $(seq 57 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "with-xvfb: no free display number" >&2; exit 1; }

# -noreset: Xvfb would otherwise reset whenever its last client leaves, which
# happens between the steps of a test.
Xvfb ":$display" -noreset -nolisten tcp -screen 0 "${size}x24" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true' EXIT

for _ in $(seq 1 100); do
  if DISPLAY=":$display" xdpyinfo >/dev/null 2>&1; then break; fi
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "with-xvfb: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done

DISPLAY=":$display" "$@"
