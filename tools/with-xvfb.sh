#!/usr/bin/env bash
# Runs a command on a private Xvfb display and stops the server afterwards.
# The command finds the server's process id in XVFB_PID (to measure it).
# Usage: tools/with-xvfb.sh [-s WIDTHxHEIGHT] command [args...]
set -euo pipefail

size=1280x1024
if [ "${1:-}" = "-s" ]; then size=$2; shift 2; fi

# The server picks a free display number itself and tells us which: two runs
# started at the same moment can never end up on one display.
number_file=$(mktemp)
# -noreset: Xvfb would otherwise reset whenever its last client leaves, which
# happens between the steps of a test.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${size}x24" 3>"$number_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -f "$number_file"' EXIT

display=
for _ in $(seq 1 100); do
  display=$(head -n 1 "$number_file" 2>/dev/null || true)
  [ -n "$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "with-xvfb: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -n "$display" ] || { echo "with-xvfb: Xvfb gave no display number" >&2; exit 1; }

DISPLAY=":$display" XVFB_PID=$xvfb_pid "$@"
