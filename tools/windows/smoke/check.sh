#!/usr/bin/env bash
# The smoke program's checks; runs inside tools/with-wine.sh.
# Usage: check.sh SMOKE_BUILD_DIR
set -uo pipefail

dir=$(realpath "$1")
exe=$dir/smoke.exe
work=$dir/check
rm -rf "$work"; mkdir -p "$work"
winpath() { printf 'Z:%s' "${1//\//\\}"; }

passed=0
failed=0
check() {
  local name=$1 ok=$2 detail=$3
  if [ "$ok" = 1 ]; then passed=$((passed + 1)); echo "ok      $name: $detail"
  else failed=$((failed + 1)); echo "FAILED  $name: $detail"; fi
}
smoke() { "$WINE" "$exe" "$@" 2>>"$work/stderr.log" | tr -d '\r'; }

# Sound statistics of what has been played so far (format: see with-wine.sh).
audio_stat() {
  sox -t raw -e signed -b 16 -c 2 -r 44100 "$BLAZEMERE_AUDIO" -n stat 2>&1 |
    awk -v want="$1" -F: '$1 ~ want { gsub(/ /, "", $2); print $2 }'
}

sox -n -r 44100 -c 2 -b 16 "$work/tone.wav" synth 1.5 sine 440 vol 0.5
sox -n -r 44100 -c 2 -b 16 "$work/tone2.wav" synth 1.5 sine 660 vol 0.5
lame --quiet -b 128 "$work/tone2.wav" "$work/tone.mp3"

# First program start in this prefix (Wine's services start with it).
started=$(date +%s%N)
smoke jpeg >"$work/jpeg.txt"
check "first start" 1 "$(( ($(date +%s%N) - started) / 1000000 )) ms, $(cat "$work/jpeg.txt")"
started=$(date +%s%N)
smoke jpeg >/dev/null
check "next start" 1 "$(( ($(date +%s%N) - started) / 1000000 )) ms"

# A full-screen GLUT window that is found by its title.
smoke window 6 >"$work/window.txt" &
pid=$!
id=
for _ in $(seq 1 200); do
  id=$(xdotool search --name '^Blazemere_VC$' 2>/dev/null | head -n 1)
  [ -n "$id" ] && break
  sleep 0.05
done
if [ -n "$id" ]; then
  sleep 1.5  # full screen takes effect inside the main loop
  geometry=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h "+" x "+" y}')
  screen=$(xdpyinfo | awk '/dimensions:/ {print $2}')
  import -window root "$dir/window.png"
  centre=$(convert "$dir/window.png" -gravity center -crop 1x1+0+0 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:)
  check "window" "$([ "$geometry" = "$screen+0+0" ] && echo 1)" "$geometry on a $screen screen, centre pixel $centre"
  # Escape reaches the window without a window manager, and the process
  # ends at once (Wine would wait 2 s for a window manager otherwise).
  started=$(date +%s%N)
  xdotool key Escape
  wait "$pid"
  check "Escape" "$(grep -qx escape "$work/window.txt" && echo 1)" \
    "ended $(( ($(date +%s%N) - started) / 1000000 )) ms after the key"
else
  check "window" 0 "no window titled Blazemere_VC"
  wait "$pid"
fi

# Private profile files through the real kernel32.
ini=$work/smoke.ini
smoke ini "$(winpath "$ini")" >"$work/ini.txt"
check "ini" "$([ "${PIPESTATUS[0]}" = 0 ] && grep -q '^Repeat=1' "$ini" && echo 1)" "$(paste -sd ' ' "$work/ini.txt")"

# A WAV through PlaySoundA lands in the ALSA file.
: >"$BLAZEMERE_AUDIO"
smoke wav "$(winpath "$work/tone.wav")" >/dev/null
length=$(audio_stat Length); rms=$(audio_stat 'RMS +amplitude')
check "PlaySoundA" "$(awk -v l="$length" -v r="$rms" 'BEGIN { print (l >= 1.4 && r > 0.3) ? 1 : 0 }')" \
  "${length} s of sound at RMS ${rms}"

# An MP3 through MCI's MPEGVideo device plays and answers.
: >"$BLAZEMERE_AUDIO"
smoke mci "open \"$(winpath "$work/tone.mp3")\" type MPEGVideo Alias MP3Play" 'status MP3Play length' \
  'play MP3Play' 'sleep 500' 'status MP3Play mode' 'sleep 1300' 'close MP3Play' 'open cdaudio' >"$work/mci.txt"
answer() { awk -F'\t' -v c="$1" '$1 == c { print $2 " " $3 }' "$work/mci.txt"; }
rms=$(audio_stat 'RMS +amplitude')
check "MCI MP3" "$([ "$(answer 'status MP3Play length')" = '0 [1500]' ] &&
  [ "$(answer 'status MP3Play mode')" = '0 [playing]' ] &&
  awk -v r="$rms" 'BEGIN { exit !(r > 0.1) }' && echo 1)" \
  "length $(answer 'status MP3Play length'), mode $(answer 'status MP3Play mode'), RMS $rms"
check "no CD drive" "$([ "$(answer 'open cdaudio')" = '266 []' ] && echo 1)" "open cdaudio: $(answer 'open cdaudio')"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
