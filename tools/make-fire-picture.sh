#!/usr/bin/env bash
# Draws docs/fire.png, the README's picture: the fire texture after frame 400
# with the built-in ramp, from fire-frames, scaled up smoothly as the GL
# square shows it.
# Usage: tools/make-fire-picture.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
"$build/bin/fire-frames" 400 | convert ppm:- -filter Triangle -resize 512x512 -strip docs/fire.png
echo docs/fire.png
