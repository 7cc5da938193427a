#!/usr/bin/env bash
# How long Blazemere.dll takes from its start until its window "Blazemere_VC"
# exists, the moment the host's watch can first see it (its first look comes
# after 500 ms), and from Escape to its end. Ten starts on a private Xvfb,
# measured in-process by measure-window-timing; prints each and the medians.
# Target: median start to window at most 150 ms.
# Usage: tools/measure-renderer-start.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

if [ -z "${BLAZEMERE_MEASURING:-}" ]; then
  BLAZEMERE_MEASURING=1 exec tools/with-xvfb.sh bash "$0" "$build"
fi

scratch=$(mktemp -d "$build/measure-start.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch
"$build/bin/write-palette-ramp" >/dev/null
"$build/bin/measure-window-timing" 10 Blazemere_VC "$build/bin/Blazemere.dll"
