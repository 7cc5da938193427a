#!/usr/bin/env bash
# Runs one scenario script of the Windows programs (tests/windows/*_test.sh)
# inside tools/with-wine.sh: the script is a list of rows, each a `check`,
# and a failed row names itself. What the script can use:
#   $bin, $linux_bin  the Windows programs and the Linux ones
#   $work             an empty folder of this test (screenshots land here)
#   check NAME DETAIL COMMAND...  one row: passes when COMMAND succeeds;
#                     DETAIL (what was seen) is printed either way
#   winpath PATH      a Unix path as the Windows programs name it (Z:\...)
#   wait_for_window TITLE [SECONDS]  the X id of the window titled TITLE
#   wait_for_focus ID [SECONDS]  true once the window ID has the keyboard
#   window_geometry ID   WIDTHxHEIGHT+X+Y;  screen_size  WIDTHxHEIGHT
#   screenshot NAME   the whole screen into $work/NAME.png (its path printed)
#   pixel PNG X Y     "r,g,b" of one pixel
#   now_ms            a clock in milliseconds, for durations
#   wait_for_exit PID [SECONDS]  sets $status to a background program's
#                     status, or to "running" when it has not ended in time
#                     (call it as is, not in $(...), which cannot wait)
# Usage: run_scenario.sh SCRIPT
set -uo pipefail
: "${WINE:?run inside tools/with-wine.sh}"
script=$(realpath "$1")
bin=${BLAZEMERE_BIN_DIR:?}
linux_bin=${BLAZEMERE_LINUX_BIN_DIR:-}
work=$(dirname "$WINEPREFIX")/work
rm -rf "$work"; mkdir -p "$work"
cd "$work" || exit 1

passed=0
failed=0
check() {
  local name=$1 detail=$2; shift 2
  if "$@"; then
    passed=$((passed + 1)); echo "ok      $name: $detail"
  else
    failed=$((failed + 1)); echo "FAILED  $name: $detail"
  fi
}

winpath() { local path; path=$(realpath -m "$1"); printf 'Z:%s' "${path//\//\\}"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

wait_for_window() {
  local title=$1 seconds=${2:-10} id
  local deadline=$(($(now_ms) + seconds * 1000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.05
  done
  return 1
}

wait_for_focus() {
  local id=$1 seconds=${2:-5}
  local deadline=$(($(now_ms) + seconds * 1000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] && return 0
    sleep 0.05
  done
  return 1
}

wait_for_exit() {
  local pid=$1 seconds=${2:-10}
  local deadline=$(($(now_ms) + seconds * 1000))
  while kill -0 "$pid" 2>/dev/null && [ "$(now_ms)" -lt "$deadline" ]; do sleep 0.05; done
  if kill -0 "$pid" 2>/dev/null; then status=running; return 1; fi
  wait "$pid"
  status=$?
}

window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h "+" x "+" y}'
}
screen_size() { xdpyinfo | awk '/dimensions:/ {print $2}'; }

screenshot() {
  import -window root "$work/$1.png" && echo "$work/$1.png"
}
pixel() {
  convert "$1" -crop "1x1+$2+$3" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

# shellcheck source=/dev/null
source "$script"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
