#!/usr/bin/env bash
# How long the host takes to load a settings file as large as the reader
# accepts (4 MiB): one section of LINES lines (default 400,000) with the
# three keys last, in UTF-8 and in Shift_JIS. Times `Blazemere.scr /a`,
# which loads the settings and ends, on a private Xvfb; five runs each,
# every run printed, then the median. A run that outlasts 120 s is cut off.
# Usage: tools/measure-settings-load.sh [BUILD_DIR] [LINES]   (default: build 400000)
set -euo pipefail
. "$(dirname "$0")/measuring.sh"
build=$(realpath "${1:-build}")
lines=${2:-400000}
start_measuring "$build" "$0" "$build" "$lines"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/host"
cp "$build/bin/Blazemere.scr" "$build/bin/Blazemere.dll" "$scratch/host/"

# Filler lines of ten bytes each, then the keys the host reads. The Shift_JIS
# ones hold a kanji each ("火000001=\n"), so that every line is decoded.
write_settings() {
  local encoding=$1 filler=$2
  {
    printf '[Section]\n'
    seq -f "$filler" 1 $((lines - 4))
    printf 'BGM区分= 1\nBGMﾘﾋﾟｰﾄ= 3\nBGMﾌｧｲﾙ=/music/火.mp3\n'
  } | iconv -f UTF-8 -t "$encoding" > "$scratch/host/Blazemere.ini"
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

for encoding in UTF-8 CP932; do
  if [ "$encoding" = UTF-8 ]; then write_settings UTF-8 'k%07g='; else write_settings CP932 '火%06g='; fi
  size=$(stat -c %s "$scratch/host/Blazemere.ini")
  echo "== $encoding: $lines lines, $size bytes"
  runs=()
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    if timeout 120 "$scratch/host/Blazemere.scr" /a; then status=ok; else status="failed ($?)"; fi
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    echo "run $run: $ms ms $status"
    runs+=("$ms")
  done
  echo "median: $(printf '%s\n' "${runs[@]}" | median) ms"
done
