#!/usr/bin/env bash
# How long `Blazemere.scr /s` takes from its start to the renderer's window,
# and from Escape in the renderer to the host's exit (the music stops at that
# moment; the host looks for the renderer twice a second, so this stays under
# 600 ms). Ten runs on a private Xvfb, measured in-process by
# measure-window-timing; prints each run and the medians.
# Usage: tools/measure-host-timing.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

if [ -z "${BLAZEMERE_MEASURING:-}" ]; then
  BLAZEMERE_MEASURING=1 exec tools/with-xvfb.sh bash "$0" "$build"
fi

scratch=$(mktemp -d "$build/measure-host.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
mkdir -p "$HOME"
"$build/bin/measure-window-timing" 10 Blazemere_VC "$build/bin/Blazemere.scr" /s
