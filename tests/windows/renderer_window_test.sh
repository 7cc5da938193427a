# Blazemere.dll started as the host starts it, under Wine: with the palette
# in place its window covers the screen and burns until Escape, which ends
# it with status 0; with no usable palette the real MessageBox titled
# "Error" says why, over the fire, and Return ends the renderer with 1.
palette=$WINEPREFIX/drive_c/k_vorn/Blazemere.bmp

start_renderer() {
  "$WINE" "$bin/Blazemere.dll" 2>>stderr.log &
  renderer=$!
}

# The palette as a saver run leaves it.
"$WINE" "$bin/write-palette-ramp.exe" >/dev/null 2>>stderr.log
check "palette written" "$(stat -c %s "$palette" 2>&1)" test -s "$palette"

# Another program holds the keyboard when the renderer starts: the fire
# window must take it, or Escape would go elsewhere.
"$WINE" notepad 2>>stderr.log &
notepad=$!
holder=$(wait_for_window '.*Notepad')
wait_for_focus "$holder"
check "another window has the keyboard" "$(xdotool getwindowfocus getwindowname 2>&1)" \
  test "$(xdotool getwindowfocus 2>/dev/null)" = "$holder"
start_renderer
if fire=$(wait_for_window Blazemere_VC); then
  wait_for_focus "$fire"
  check "takes the keyboard" "$(xdotool getwindowfocus getwindowname 2>&1)" \
    test "$(xdotool getwindowfocus 2>/dev/null)" = "$fire"
  sleep 1.5  # full screen takes effect inside GLUT's main loop
  geometry=$(window_geometry "$fire")
  check "covers the screen" "$geometry on a $(screen_size) screen" test "$geometry" = "$(screen_size)+0+0"
  shot=$(screenshot fire)
  # Whatever the zoom, the picture is centred on the screen and glows there,
  # red to yellow: not the black of a window that draws nothing.
  centre=$(pixel "$shot" 640 512)
  check "fire shown" "centre pixel $centre (see $shot)" awk -F, '{ exit !($1 > 150) }' <<<"$centre"
  xdotool key a Return space
  wait_for_exit "$renderer" 1
  check "other keys do not end it" "$status" test "$status" = running
  started=$(now_ms)
  xdotool key Escape
  wait_for_exit "$renderer" 5
  check "Escape ends it" "status $status $(($(now_ms) - started)) ms after the key" test "$status" = 0
else
  check "fire window" "no window titled Blazemere_VC" false
  kill "$renderer" 2>/dev/null
fi

kill "$notepad" 2>/dev/null

open_failed='Failed to open DIB file c:\k_vorn\Blazemere.bmp.\n'
unusable_palette() {
  local name=$1 want=$2
  start_renderer
  if ! wait_for_window Blazemere_VC >/dev/null || ! box=$(wait_for_window Error); then
    check "$name: the box" "no fire window or no window titled Error" false
    kill "$renderer" 2>/dev/null
    return
  fi
  text=$("$WINE" "$bin/window-text.exe" Error 2>>stderr.log | awk -F'\t' '$1 == "Static" && $2 != "" { print $2 }')
  check "$name: the box says why" "\"$text\"" test -n "$text" -a \( -z "$want" -o "$text" = "$want" \)
  wait_for_exit "$renderer" 1
  check "$name: waits for the user" "$status" test "$status" = running
  xdotool key Return
  wait_for_exit "$renderer" 5
  check "$name: Return ends it with 1" "status $status" test "$status" = 1
}
rm -f "$palette"
unusable_palette "missing file" "$open_failed"
: >"$palette"
unusable_palette "empty file" "$open_failed"
printf 'BM this is no bitmap' >"$palette"
unusable_palette "not a bitmap" ""
