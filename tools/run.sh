#!/usr/bin/env bash
# Installs what is needed, builds, and runs the screen saver. On a desktop it
# simply runs; without a display it burns on a private Xvfb for a few seconds,
# saves a screenshot, ends the saver with Escape and prints the picture's path.
# Usage: bash tools/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# A saver run as the desktop starts it: the host writes the palette image,
# starts the renderer and ends once the renderer has gone.
saver_command=(build/bin/Blazemere.scr /s)

# On the private display: burn, take a picture, end the saver with Escape.
run_headless() {
  "${saver_command[@]}" &
  local pid=$!
  for _ in $(seq 1 100); do
    xdotool search --name '^Blazemere_VC$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 4
  mkdir -p "$root/screenshots"
  local shot
  shot="$root/screenshots/blazemere-$(date +%Y%m%d-%H%M%S).png"
  import -window root "$shot"
  xdotool key Escape
  wait "$pid" || true
  echo "$shot"
}

if [ "${1:-}" = "--headless" ]; then
  run_headless
  exit 0
fi

bash tools/setup.sh
cmake -S . -B build -G Ninja >/dev/null
# Just the two programs: the tests are tools/test.sh's business.
cmake --build build --target blazemere_host blazemere_renderer

if [ -n "${DISPLAY:-}" ]; then
  exec "${saver_command[@]}"
else
  exec tools/with-xvfb.sh bash "$0" --headless
fi
