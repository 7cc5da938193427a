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
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

if [ -z "${BLAZEMERE_MEASURING:-}" ]; then
  BLAZEMERE_MEASURING=1 exec tools/with-xvfb.sh bash "$0" "$build"
fi

scratch=$(mktemp -d "$build/measure.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
mkdir -p "$HOME"

echo "== Blazemere.dll"
"$build/bin/write-palette-ramp" >/dev/null
"$build/bin/measure-window-timing" 10 Blazemere_VC "$build/bin/Blazemere.dll"
echo "== Blazemere.scr /s"
"$build/bin/measure-window-timing" 10 Blazemere_VC "$build/bin/Blazemere.scr" /s
