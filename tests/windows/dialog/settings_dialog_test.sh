# wine-test: SCREEN 1024x768 TIMEOUT 240
# The settings dialog under Wine, started as Windows starts it ("/c") and
# driven with the pointer and keys as a user drives it: its frame, place,
# paint, controls and captions; the hover look of its buttons; what 設定
# writes (the same bytes as the Linux dialog for the same actions, when the
# Linux programs are built); that ｷｬﾝｾﾙ and the close box write nothing; and
# the file chooser's request.
folder=$work/saver
mkdir -p "$folder" "$work/music"
cp "$bin/Blazemere.scr" "$bin/Blazemere.dll" "$folder/"
ini=$folder/Blazemere.ini

# Starts the host with /c; sets $host, $dialog (X window), $probe (what
# dialog-probe.exe says) and $cx $cy (the client area's screen origin).
open_dialog() {
  "$WINE" "$folder/Blazemere.scr" /c 2>>stderr.log &
  host=$!
  dialog=$(wait_for_window '<Blazemere>') || { check "dialog opens" "no window titled <Blazemere>" false; return 1; }
  probe=$("$WINE" "$bin/dialog-probe.exe" '<Blazemere>' 2>>stderr.log)
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
cd_caption=(60 78); none_caption=(60 98); file_caption=(60 118); file_picture=(46 118)
repeat_field=(132 78); file_button=(60 140); set_button=(356 212); cancel_button=(440 212)

# --- First start, no settings file: what the dialog is.
open_dialog || return
check "client area" "$(probe_line client)" test "$(probe_line client)" = 495x246
check "fixed frame with a close box only" "$(probe_line frame)" \
  test "$(probe_line frame)" = "caption 1, close box 1, minimise 0, maximise 0, sizing 0"
read -r screen_w screen_h <<<"$(screen_size | tr x ' ')"
geometry=$(window_geometry "$dialog")
read -r outer_w outer_h outer_x outer_y <<<"$(tr 'x+' '  ' <<<"$geometry")"
# The flame in the title bar, which is blue and grey elsewhere.
flames=$(convert "$(screenshot icon)" -crop "18x18+$((outer_x + 2))+$((outer_y + 2))" +repage \
  -fx '(r > 0.6 && b < 0.4) ? 1 : 0' -format '%[fx:int(w*h*mean)]' info:)
check "window icon" "$flames flame pixels" test "$flames" -gt 30
check "placed centred, a third down" "$geometry on ${screen_w}x$screen_h" \
  test "$outer_x,$outer_y" = "$(((screen_w - outer_w) / 2)),$(((screen_h - outer_h) / 3))"
check "focus order" "$(probe_line 'focus order')" test "$(probe_line 'focus order')" = \
  "ComboBox@124,68 BlazemereCommand@40,128 BlazemereCommand@316,200 BlazemereCommand@400,200"
entries=$(seq -s, 1 30)
check "repeat box entries" "$(probe_line 'repeat entries')" test "$(probe_line 'repeat entries')" = "31 [,$entries]"
check "repeat box is an editable drop-down" "$(probe_line 'repeat style')" test "$(probe_line 'repeat style')" = dropdown
# 41 x 20 closed, or up to two pixels higher where the system will not make
# the field lower than its font; the list shows several rows, not all 31.
check "repeat box size and list" "$(probe_line 'repeat size')" \
  awk '{ split($1, s, "x"); exit !(s[1] == 41 && s[2] >= 20 && s[2] <= 22 && $3 >= 80 && $3 <= 200) }' \
  <<<"$(probe_line 'repeat size')"
check "no music: repeat box disabled and empty" "$(probe_line 'repeat enabled') [$(probe_line 'repeat text')]" \
  test "$(probe_line 'repeat enabled')$(probe_line 'repeat text')" = "0[]"
check "captions have their glyphs" "$(probe_line 'caption face')" grep -q ", 0 of [1-9][0-9]* glyphs missing" <<<"$(probe_line 'caption face')"
shot=$(screenshot opened)
check "gradient top" "$(client_pixel "$shot" 5 0) (see $shot)" test "$(client_pixel "$shot" 5 0)" = 0,0,30
check "gradient middle" "$(client_pixel "$shot" 5 123)" test "$(client_pixel "$shot" 5 123)" = 220,220,250
check "header frame" "$(client_pixel "$shot" 32 46)" test "$(client_pixel "$shot" 32 46)" = 0,0,0
check "none selected" "$(client_pixel "$shot" 46 98)" \
  awk -F, '{ exit !($3 > 150 && $1 < 120) }' <<<"$(client_pixel "$shot" 46 98)"
check "captions drawn" "dark pixels under なし" \
  test "$(convert "$shot" -crop "22x13+$((cx + 56))+$((cy + 92))" -threshold 40% -format '%[fx:int(w*h*(1-mean))]' info:)" -gt 10

# The hover look comes with the pointer and goes within a poll or two
# (looked for over a few seconds: a loaded machine may be slow to show it).
until_pixel() {  # NAME X Y WANT: the client pixel, once it is WANT or time is up
  local seen
  for _ in $(seq 1 15); do
    seen=$(client_pixel "$(screenshot "$1")" "$2" "$3")
    [ "$seen" = "$4" ] && break
    sleep 0.2
  done
  echo "$seen"
}
xdotool mousemove $((cx + set_button[0])) $((cy + set_button[1]))
hover=$(until_pixel hover 346 202 255,240,207)
xdotool mousemove $((cx + 200)) $((cy + 150))
rest=$(until_pixel rest 346 202 243,243,238)
check "set button's hover look" "$hover under the pointer, $rest after it left" \
  test "$hover,$rest" = "255,240,207,243,243,238"

click "${cancel_button[@]}"
expect_closed "ｷｬﾝｾﾙ"
check "ｷｬﾝｾﾙ with no file writes none" "$(ls "$folder")" test ! -e "$ini"

# --- The CD with track 7, chosen with the right button, then 設定.
save_cd_track_7() {
  click "${cd_caption[@]}" 3
  click "${repeat_field[@]}"
  xdotool key ctrl+a type 7
  click "${set_button[@]}"
}
open_dialog || return
save_cd_track_7
expect_closed "設定"
# A new file ends its lines as Windows' own profile calls do: CR LF.
want=$(printf '[Section]\r\nBGM区分= 1\r\nBGMﾘﾋﾟｰﾄ= 7\r\nBGMﾌｧｲﾙ=\r\n')
check "設定 writes the three keys" "$(od -c "$ini" | head -n 3 | tr -s ' ')" test "$(cat "$ini")" = "$want"

if [ -x "$linux_bin/Blazemere.scr" ]; then
  # The Linux dialog, same actions on the same display; no window manager
  # there, so its client area is the window.
  linux=$work/linux
  mkdir -p "$linux/home"
  cp "$linux_bin/Blazemere.scr" "$linux_bin/Blazemere.dll" "$linux/"
  HOME=$linux/home XDG_CONFIG_HOME=$linux/home/config XDG_DATA_HOME=$linux/home/data "$linux/Blazemere.scr" /c \
    2>>stderr.log &
  host=$!
  if linux_dialog=$(wait_for_window '<Blazemere>'); then
    read -r _ _ cx cy <<<"$(tr 'x+' '  ' <<<"$(window_geometry "$linux_dialog")")"
    sleep 0.5
    save_cd_track_7
    expect_closed "Linux 設定"
    sed 's/$/\r/' "$linux/Blazemere.ini" >"$linux/Blazemere-crlf.ini"
    check "the same bytes as on Linux, but for the line ends" "$(cmp "$ini" "$linux/Blazemere-crlf.ini" 2>&1)" \
      cmp -s "$ini" "$linux/Blazemere-crlf.ini"
  else
    check "Linux dialog opens" "no window" false
    kill "$host" 2>/dev/null
  fi
fi

# --- What was saved loads again; ｷｬﾝｾﾙ and the close box write nothing.
cp "$ini" "$work/before.ini"
open_dialog || return
check "CD loads with its track" "$(probe_line 'repeat enabled') [$(probe_line 'repeat text')]" \
  test "$(probe_line 'repeat enabled')$(probe_line 'repeat text')" = "1[7]"
click "${file_picture[@]}"
click "${cancel_button[@]}"
expect_closed "ｷｬﾝｾﾙ after a choice"
check "ｷｬﾝｾﾙ writes nothing" "$(cmp "$ini" "$work/before.ini" 2>&1)" cmp -s "$ini" "$work/before.ini"

open_dialog || return
click "${none_caption[@]}" 2
read -r _ _ outer_x outer_y <<<"$(tr 'x+' '  ' <<<"$(window_geometry "$dialog")")"
outer_w=$(window_geometry "$dialog" | cut -dx -f1)
xdotool mousemove $((outer_x + outer_w - 14)) $((outer_y + 11)) click 1
expect_closed "close box"
check "the close box writes nothing" "$(cmp "$ini" "$work/before.ini" 2>&1)" cmp -s "$ini" "$work/before.ini"

# --- The chooser, opened from a saved music file so it starts in that
# file's folder: its filter; a name that does not exist is taken; a path the
# settings file cannot hold (a deep Japanese folder: few characters, many
# bytes) is refused, and the chooser comes back.
saved_file() {  # the settings as a saved music file leaves them
  mkdir -p "$1"; : >"$1/old.mp3"
  printf '[Section]\nBGM区分= 2\nBGMﾘﾋﾟｰﾄ= 0\nBGMﾌｧｲﾙ=%s\n' "$(winpath "$1/old.mp3")" >"$ini"
}
wait_for_chooser() { wait_for_window 'ﾌｧｲﾙを開く' "${1:-10}" >/dev/null; sleep 0.5; }

# The path label's two lines, as a picture.
path_label() { convert "$(screenshot "$1")" -crop "381x33+$((cx + 84))+$((cy + 132))" +repage "$work/$1-label.png"; }

saved_file "$work/music"
open_dialog || return
path_label before-choice
click "${file_button[@]}"
if wait_for_chooser; then
  filters=$("$WINE" "$bin/dialog-probe.exe" --combos 'ﾌｧｲﾙを開く' 2>>stderr.log)
  check "the one filter" "$(grep -F 'MP3 WAV' <<<"$filters")" grep -qx 'combo items: BGMﾌｧｲﾙ (MP3 WAV)' <<<"$filters"
  controls=$("$WINE" "$bin/window-text.exe" 'ﾌｧｲﾙを開く' 2>>stderr.log)
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

# The deepest folder whose old.mp3 the settings file still holds (values up
# to 255 bytes); a longer name typed there no longer fits, in bytes, while its
# characters still fit the chooser's buffer.
music_bytes=$(printf '%s\\old.mp3' "$(winpath "$work/music")" | wc -c)
deep=$work/music/$(printf '火%.0s' $(seq 1 $(((250 - music_bytes) / 3))))
saved_file "$deep"
cp "$ini" "$work/before.ini"
open_dialog || return
click "${file_button[@]}"
if wait_for_chooser; then
  xdotool type --delay 20 "a-name-too-long-for-the-settings.mp3"; xdotool key Return
  refusal=
  for _ in $(seq 1 20); do
    xdotool search --name '^ﾌｧｲﾙを開く$' >/dev/null || break
    refusal=$("$WINE" "$bin/window-text.exe" 'ﾌｧｲﾙを開く' 2>>stderr.log)
    grep -q 'ﾌｧｲﾙ名が長すぎます' <<<"$refusal" && break
    sleep 0.25
  done
  check "a path too long is refused" "$(grep -o 'ﾌｧｲﾙ名が長すぎます[^\\]*' <<<"$refusal" || echo none)" \
    grep -q 'ﾌｧｲﾙ名が長すぎます' <<<"$refusal"
  xdotool key Return
  sleep 0.5
  check "the chooser comes back" "$(xdotool search --name '^ﾌｧｲﾙを開く$' | wc -l) window" wait_for_chooser 5
  xdotool key Escape
  sleep 0.5
  click "${cancel_button[@]}"
  expect_closed "ｷｬﾝｾﾙ after the refusal"
  check "the refused path is not kept" "$(cmp "$ini" "$work/before.ini" 2>&1)" cmp -s "$ini" "$work/before.ini"
else
  check "chooser opens" "no window titled ﾌｧｲﾙを開く" false
  kill "$host" 2>/dev/null
fi
