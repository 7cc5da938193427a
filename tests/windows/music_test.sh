# The saver's music under Wine, heard: with a WAV chosen, PlaySound loops it
# for as long as the saver runs; with an MP3, MCI plays it and the saver
# starts it again each time it ends; either stops when the saver ends. What
# was played is read back from the prefix's ALSA output file.
# wine-test: TIMEOUT 240
mkdir -p saver music
cp "$bin/Blazemere.scr" "$bin/Blazemere.dll" saver/
heard_py=$(dirname "$script")/heard.py
# Short pieces, so that the run hears each several times over.
sox -n -r 44100 -c 2 -b 16 music/tone.wav synth 0.6 sine 440 vol 0.3
sox -n -r 44100 -c 2 -b 16 music/tone-mp3.wav synth 0.8 sine 1000 vol 0.3
lame --quiet -b 128 music/tone-mp3.wav music/tone.mp3

music_heard() {
  local name=$1 file=$2 frequency=$3 run_seconds=$4 least_seconds=$5
  printf '[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=%s\r\n' "$(winpath "$file")" >saver/Blazemere.ini
  : >"$BLAZEMERE_AUDIO"
  "$WINE" saver/Blazemere.scr /s 2>>stderr.log &
  local host=$!
  if ! wait_for_window Blazemere_VC 20 >/dev/null; then
    check "$name: renderer" "no window titled Blazemere_VC" false
    kill "$host" 2>/dev/null
    return
  fi
  sleep "$run_seconds"
  local frames_at_escape=$(($(stat -c %s "$BLAZEMERE_AUDIO") / 4))
  xdotool key Escape
  wait_for_exit "$host" 10
  check "$name: the saver ends" "status $status" test "$status" = 0
  sleep 1  # whatever still plays would reach the file now
  read -r tone last <<<"$(python3 "$heard_py" "$BLAZEMERE_AUDIO" "$frequency" "$frames_at_escape")"
  check "$name: heard again and again" "${tone} s of $frequency Hz in a ${run_seconds} s run" \
    awk -v t="$tone" -v l="$least_seconds" 'BEGIN { exit !(t >= l) }'
  # The renderer watch looks every half second, and the output holds some
  # sound in its buffer; a generous bound, the figure is printed.
  check "$name: stops with the saver" "last sound ${last} s after Escape" \
    awk -v l="$last" 'BEGIN { exit !(l <= 2.0) }'
}

# More than one play of each is heard: 0.6 s looped, 0.8 s repeated.
music_heard "wav" music/tone.wav 440 4 1.5
music_heard "mp3" music/tone.mp3 1000 5 1.8
