#!/usr/bin/env bash
# Makes docs/settings-dialog.png: the settings dialog exactly as the built
# host shows it, on a private X display, with the audio CD option chosen.
# Usage: tools/settings-dialog-screenshot.sh [build folder]   (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cp "$build/bin/Blazemere.scr" "$build/bin/Blazemere.dll" "$scratch/"
printf '[Section]\nBGM区分= 1\nBGMﾘﾋﾟｰﾄ= 3\nBGMﾌｧｲﾙ=\n' > "$scratch/Blazemere.ini"
mkdir -p "$scratch/home"

cat > "$scratch/shoot.sh" <<'INNER'
set -euo pipefail
cd "$1"
HOME="$1/home" XDG_CONFIG_HOME="$1/home/config" XDG_DATA_HOME="$1/home/data" ./Blazemere.scr /c &
host=$!
for _ in $(seq 1 100); do
  xwininfo -name "<Blazemere>" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1  # the opening zoom and the first paint
geometry=$(xwininfo -name "<Blazemere>")
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
w=$(awk '/Width:/ {print $2}' <<<"$geometry")
h=$(awk '/Height:/ {print $2}' <<<"$geometry")
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
kill "$host"
INNER

bash "$root/tools/with-xvfb.sh" bash "$scratch/shoot.sh" "$scratch" "$root/docs/settings-dialog.png"
echo "wrote $root/docs/settings-dialog.png"
