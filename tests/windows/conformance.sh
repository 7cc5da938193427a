#!/usr/bin/env bash
# Runs the Windows conformance test under Wine (inside tools/with-wine.sh)
# with the music files it plays made beside it.
# Usage: conformance.sh TEST_PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
music=$(pwd)/music
bash "$here/tests/conformance/make-music.sh" "$music"
BLAZEMERE_CONFORMANCE_MUSIC="Z:${music//\//\\}" exec "$WINE" "$1"
