#!/usr/bin/env bash
# What a running saver costs, against a peer: on one private 1280 x 1024
# Xvfb, in turn and for the same time each,
#   renderer  Blazemere.dll on its own, its frame rate from Mesa's own
#             counter (GALLIUM_HUD=fps, dumped to a file, never drawn);
#   floor     bench/bare_glut.cpp --textured: the fire's GL calls alone, on
#             a fixed texture, counted the same way; what the GL library
#             spends on the picture whatever our code does;
#   xflame    the XScreenSaver hack `xflame -root`;
#   saver     Blazemere.scr /s without music: the host and its renderer;
#   saver+mp3 the same playing an MP3 file in a loop (SDL's disk driver).
# Each is measured for SECONDS after 2 s of warming up; the rounds repeat
# the five ROUNDS times, so a load from elsewhere falls on all of them alike.
# Prints the CPU seconds per second of the program (all its threads, Mesa's
# rasterizer threads included), of its renderer where the host started one,
# and of the X server, and the resident memory; then the medians over the
# rounds, the CPU milliseconds per frame of the renderer and of the floor
# (what stays comparable when a loaded machine holds the frame rate down)
# and the renderer's ratios to the floor and to xflame.
# Usage: tools/measure-saver-cost.sh [BUILD_DIR] [SECONDS] [ROUNDS]   (build, 15, 3)
set -euo pipefail
. "$(dirname "$0")/measuring.sh"
build=$(realpath "${1:-build}")
seconds=${2:-15}
rounds=${3:-3}
start_measuring "$build" "$0" "$build" "$seconds" "$rounds"
trap 'rm -rf "$scratch"' EXIT

xflame=/usr/libexec/xscreensaver/xflame
[ -x "$xflame" ] || { echo "xflame is missing: bash tools/setup.sh installs it" >&2; exit 1; }
warm_up=2
tick=$(getconf CLK_TCK)

# The saver runs from a folder of its own, so its settings file is ours.
saver=$scratch/saver
mkdir -p "$saver"
cp "$build/bin/Blazemere.scr" "$build/bin/Blazemere.dll" "$build/bin/Blazemere-message-box.so" "$saver/"
sox -q -n -r 44100 -c 2 "$scratch/music.mp3" synth 30 sine 440 vol 0.2
write_settings() {  # MODE FILE
  printf '[Section]\nBGM区分=%s\nBGMﾘﾋﾟｰﾄ= 0\nBGMﾌｧｲﾙ=%s\n' "$1" "$2" >"$saver/Blazemere.ini"
}
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null
"$build/bin/write-palette-ramp" >/dev/null

cpu_ticks() {  # PID: user + system ticks of all its threads
  local fields
  fields=$(cat "/proc/$1/stat" 2>/dev/null) || { echo 0; return; }
  read -r -a fields <<<"${fields##*) }"
  echo $((fields[11] + fields[12]))
}
resident_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }
child_of() { cat "/proc/$1/task/$1/children" 2>/dev/null | awk '{ print $1 }'; }
now() { date +%s.%N; }

log=$scratch/rounds.log
# measure NAME PID: after the warm-up, SECONDS of the program (and of the
# renderer it started, if any) and of the X server; one line to the log.
measure() {
  local name=$1 pid=$2 child="" c0=0 c1=0
  sleep "$warm_up"
  [ "$name" = "${name#saver}" ] || child=$(child_of "$pid")
  local t0 p0 x0 t1 p1 x1
  t0=$(now); p0=$(cpu_ticks "$pid"); x0=$(cpu_ticks "$XVFB_PID")
  [ -z "$child" ] || c0=$(cpu_ticks "$child")
  sleep "$seconds"
  t1=$(now); p1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$XVFB_PID")
  [ -z "$child" ] || c1=$(cpu_ticks "$child")
  local fps=-
  if [ "$name" = renderer ] || [ "$name" = floor ]; then
    # One count a second since the start; the warm-up's are left out.
    fps=$(awk -v skip="$warm_up" 'NR > skip { s += $1; n++ } END { printf "%.1f", n ? s / n : 0 }' "$scratch/hud/fps")
  fi
  awk -v n="$name" -v t0="$t0" -v t1="$t1" -v k="$tick" -v p=$((p1 - p0)) -v c=$((c1 - c0)) \
      -v x=$((x1 - x0)) -v f="$fps" -v m="$(resident_kb "$pid")" \
      'BEGIN { t = t1 - t0; printf "%-9s cpu %.3f renderer %.3f xserver %.3f fps %s rss %d\n", n, p / k / t, c / k / t, x / k / t, f, m }' |
    tee -a "$log"
}

stop() {  # PID [RENDERER]: ends the program (through its renderer for the host)
  kill "${2:-$1}" 2>/dev/null || true
  for _ in $(seq 1 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.05; done
  kill -9 "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((round = 1; round <= rounds; round++)); do
  rm -rf "$scratch/hud" && mkdir -p "$scratch/hud"
  GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=1 GALLIUM_HUD_DUMP_DIR="$scratch/hud" \
    "$build/bin/Blazemere.dll" &
  pid=$!; measure renderer "$pid"; stop "$pid"

  rm -rf "$scratch/hud" && mkdir -p "$scratch/hud"
  GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=1 GALLIUM_HUD_DUMP_DIR="$scratch/hud" \
    "$build/bin/bare-glut" --textured &
  pid=$!; measure floor "$pid"; stop "$pid"

  "$xflame" -root &
  pid=$!; measure xflame "$pid"; stop "$pid"

  for music in none mp3; do
    if [ "$music" = none ]; then write_settings " 0" ""; name=saver; else write_settings " 2" "$scratch/music.mp3"; name=saver+mp3; fi
    "$saver/Blazemere.scr" /s &
    pid=$!; measure "$name" "$pid"; stop "$pid" "$(child_of "$pid")"
  done
done
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

echo
echo "medians over $rounds rounds of $seconds s (CPU in seconds per second, resident memory in kB):"
printf '%-10s %8s %9s %8s %6s %8s\n' "" cpu renderer xserver fps rss
for name in renderer floor xflame saver saver+mp3; do
  renderer=-; fps=-
  [ "$name" = "${name#saver}" ] || renderer=$(median "$name" renderer)
  [ "$name" != renderer ] && [ "$name" != floor ] || fps=$(median "$name" fps)
  printf '%-10s %8s %9s %8s %6s %8s\n' "$name" "$(median "$name" cpu)" "$renderer" "$(median "$name" xserver)" \
    "$fps" "$(median "$name" rss)"
done
# per_frame NAME: the median CPU milliseconds per frame over NAME's rounds.
per_frame() {
  awk -v p="$1" '$1 == p && $9 > 0 { print $3 * 1000 / $9 }' "$log" | sort -n |
    awk '{ v[NR] = $1 } END { printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# Each round's renderer and floor ran back to back, under much the same
# load: the median of the rounds' ratios is steadier than a ratio of medians.
floor_ratio=$(awk '$9 > 0 && $1 == "renderer" { r = $3 / $9 } $9 > 0 && $1 == "floor" && r { print r / ($3 / $9); r = 0 }' \
  "$log" | sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "CPU per frame (ms): renderer $(per_frame renderer), floor $(per_frame floor);" \
  "renderer / floor, the median of the rounds' ratios: $floor_ratio"
awk -v rc="$(median renderer cpu)" -v fc="$(median xflame cpu)" -v rx="$(median renderer xserver)" \
    -v fx="$(median xflame xserver)" \
    'BEGIN { printf "renderer / xflame: program %.2f, X server %.2f, both %.2f\n", rc / fc, rx / fx, (rc + rx) / (fc + fx) }'
