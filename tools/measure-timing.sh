#!/usr/bin/env bash
# Start-up and shut-down times of the two programs, ten runs each on a private
# Xvfb, measured in-process by measure-window-timing (the same whole-tree title
# lookup the host uses); prints every run and the medians.
#  - Blazemere.dll: start to its window "Blazemere_VC", the moment the host's
#    watch can first see it (its first look comes after 500 ms). Target: at
#    most 150 ms.
#  - Blazemere.scr /s: start to the renderer's window, and Escape in the
#    renderer to the host's exit, which is when the music stops (the host
#    looks twice a second, so this stays under 600 ms).
# Usage: tools/measure-timing.sh [BUILD_DIR]   (default: build)
set -euo pipefail
. "$(dirname "$0")/measuring.sh"
build=$(realpath "${1:-build}")
start_measuring "$build" "$0" "$build"
trap 'rm -rf "$scratch"' EXIT

echo "== Blazemere.dll"
"$build/bin/write-palette-ramp" >/dev/null
"$build/bin/measure-window-timing" 10 Blazemere_VC "$build/bin/Blazemere.dll"
echo "== Blazemere.scr /s"
"$build/bin/measure-window-timing" 10 Blazemere_VC "$build/bin/Blazemere.scr" /s
