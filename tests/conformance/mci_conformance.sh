#!/usr/bin/env bash
# Runs the MCI conformance test with the music files it plays made beside it.
# Usage: mci_conformance.sh TEST_PROGRAM
set -euo pipefail
music=$(pwd)/conformance-music
bash "$(dirname "$0")/make-music.sh" "$music"
BLAZEMERE_CONFORMANCE_MUSIC=$music exec "$1"
