# wine-test: SCREEN 1024x768 TIMEOUT 240
# The settings dialog under Wine, started as Windows starts it ("/c") and
# driven with the pointer and keys as a user drives it: its size, repeat box
# and caption glyphs; what 設定 writes (the same bytes as the Linux dialog);
# that ｷｬﾝｾﾙ writes nothing; and the file chooser's request. The layout, painter and the path
# length limit are the shared cores' and held by their unit tests.
folder=$work/saver
mkdir -p "$folder" "$work/music"
cp "$bin/Blazemere.scr" "$bin/Blazemere.dll" "$folder/"
ini=$folder/Blazemere.ini

# Starts the host with /c; sets $host, $probe (what
# window-probe.exe --dialog says) and $cx $cy (the client area's screen origin).
open_dialog() {
  "$WINE" "$folder/Blazemere.scr" /c 2>>stderr.log &
  host=$!
  wait_for_window '<Blazemere>' >/dev/null || { check "dialog opens" "no window titled <Blazemere>" false; return 1; }
  probe=$("$WINE" "$bin/window-probe.exe" --dialog '<Blazemere>' 2>>stderr.log)
  read -r cx cy <<<"$(sed -n 's/^client origin: //p' <<<"$probe")"
  sleep 0.5  # the first paint
}
probe_line() { sed -n "s/^$1: //p" <<<"$probe"; }
# A press and release at client point (X, Y), BUTTON 1 unless given.
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click "${3:-1}"; sleep 0.3; }
expect_closed() {
  wait_for_exit "$host" 10
  check "$1: the host ends" "status $status" test "$status" = 0
  # A dialog left open would take the next row's clicks.
  if [ "$status" = running ]; then kill "$host"; wait "$host" 2>/dev/null; sleep 1; fi
}
client_pixel() { pixel "$1" $((cx + $2)) $((cy + $3)); }

# Client points of the controls (panel at 12,16).
cd_caption=(60 78); repeat_field=(132 78); file_button=(60 140); set_button=(356 212); cancel_button=(440 212)

# --- First start, no settings file: what the dialog is.
open_dialog || return
check "client area" "$(probe_line client)" test "$(probe_line client)" = 495x246
# 41 x 20 closed, or up to two pixels higher where the system will not make
# the field lower than its font; the list shows several rows, not all 31.
check "repeat box size and list" "$(probe_line 'repeat size')" \
  awk '{ split($1, s, "x"); exit !(s[1] == 41 && s[2] >= 20 && s[2] <= 22 && $3 >= 80 && $3 <= 200) }' \
  <<<"$(probe_line 'repeat size')"
check "captions have their glyphs" "$(probe_line 'caption face') (see $(screenshot opened))" \
  grep -q ", 0 of [1-9][0-9]* glyphs missing" <<<"$(probe_line 'caption face')"

click "${cancel_button[@]}"
expect_closed "ｷｬﾝｾﾙ"
check "ｷｬﾝｾﾙ with no file writes none" "$(ls "$folder")" test ! -e "$ini"

# --- The CD with track 7, chosen with the right button, then 設定.
open_dialog || return
click "${cd_caption[@]}" 3
click "${repeat_field[@]}"
xdotool key ctrl+a type 7
click "${set_button[@]}"
expect_closed "設定"
# The bytes the Linux dialog writes for the same actions (held by its own
# tests), but a new file ends its lines as Windows' own profile calls do.
want=$(printf '[Section]\r\nBGM区分= 1\r\nBGMﾘﾋﾟｰﾄ= 7\r\nBGMﾌｧｲﾙ=\r\n')
check "設定 writes the three keys" "$(od -c "$ini" | head -n 3 | tr -s ' ')" test "$(cat "$ini")" = "$want"

# --- The chooser, opened from a saved music file so it starts in that
# file's folder: its filter and read-only box; a name that does not exist is
# taken.
# The path label's two lines, as a picture.
path_label() { convert "$(screenshot "$1")" -crop "381x33+$((cx + 84))+$((cy + 132))" +repage "$work/$1-label.png"; }

: >"$work/music/old.mp3"
printf '[Section]\nBGM区分= 2\nBGMﾘﾋﾟｰﾄ= 0\nBGMﾌｧｲﾙ=%s\n' "$(winpath "$work/music/old.mp3")" >"$ini"
open_dialog || return
path_label before-choice
click "${file_button[@]}"
if wait_for_window 'ﾌｧｲﾙを開く' >/dev/null; then
  sleep 0.5
  filters=$("$WINE" "$bin/window-probe.exe" --combos 'ﾌｧｲﾙを開く' 2>>stderr.log)
  check "the one filter" "$(grep -F 'MP3 WAV' <<<"$filters")" grep -qx 'combo items: BGMﾌｧｲﾙ (MP3 WAV)' <<<"$filters"
  controls=$("$WINE" "$bin/window-probe.exe" 'ﾌｧｲﾙを開く' 2>>stderr.log)
  check "read-only box shown" "$(grep -i 'read-only' <<<"$controls")" grep -qi 'read-only' <<<"$controls"
  xdotool type --delay 20 "new song.mp3"; xdotool key Return
  sleep 0.5
  # Uncovered by the chooser, the dialog is whole again and shows the choice.
  path_label after-choice
  check "painted again after the chooser" "$(client_pixel "$work/after-choice.png" 5 123)" \
    test "$(client_pixel "$work/after-choice.png" 5 123)" = 220,220,250
  check "the path label shows the choice" "see $work/after-choice-label.png" \
    test "$(compare -metric AE "$work/before-choice-label.png" "$work/after-choice-label.png" null: 2>&1)" -gt 20
  click "${set_button[@]}"
  expect_closed "設定 after the chooser"
  want=$(winpath "$work/music/new song.mp3")
  check "a new name is taken" "$(sed -n 's/^BGMﾌｧｲﾙ=//p' "$ini")" grep -qxF "BGMﾌｧｲﾙ=$want" "$ini"
else
  check "chooser opens" "no window titled ﾌｧｲﾙを開く" false
  kill "$host" 2>/dev/null
fi
