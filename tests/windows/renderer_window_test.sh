# Blazemere.dll started as the host starts it, under Wine: with the palette
# in place its window takes the keyboard and burns until Escape, which ends
# it with status 0; with no palette the real MessageBox titled "Error" says
# why, over the fire, and Return ends the renderer with 1. (That the window
# covers the screen is held by host_saver_test; which palettes are unusable,
# by the palette's unit tests.)
palette=$WINEPREFIX/drive_c/k_vorn/Blazemere.bmp

# The palette as a saver run leaves it.
"$WINE" "$bin/write-palette-ramp.exe" >/dev/null 2>>stderr.log

# Another program holds the keyboard when the renderer starts: the fire
# window must take it, or Escape would go elsewhere.
"$WINE" notepad 2>>stderr.log &
notepad=$!
holder=$(wait_for_window '.*Notepad')
wait_for_focus "$holder"
check "another window has the keyboard" "$(xdotool getwindowfocus getwindowname 2>&1)" \
  test "$(xdotool getwindowfocus 2>/dev/null)" = "$holder"
"$WINE" "$bin/Blazemere.dll" 2>>stderr.log &
renderer=$!
if fire=$(wait_for_window Blazemere_VC); then
  wait_for_focus "$fire"
  check "takes the keyboard" "$(xdotool getwindowfocus getwindowname 2>&1)" \
    test "$(xdotool getwindowfocus 2>/dev/null)" = "$fire"
  sleep 1.5  # full screen takes effect inside GLUT's main loop
  shot=$(screenshot fire)
  # Whatever the zoom, the picture is centred on the screen and glows there,
  # red to yellow: not the black of a window that draws nothing.
  centre=$(pixel "$shot" 640 512)
  check "fire shown" "centre pixel $centre (see $shot)" awk -F, '{ exit !($1 > 150) }' <<<"$centre"
  started=$(now_ms)
  xdotool key Escape
  wait_for_exit "$renderer" 5
  check "Escape ends it" "status $status $(($(now_ms) - started)) ms after the key" test "$status" = 0
else
  check "fire window" "no window titled Blazemere_VC" false
  kill "$renderer" 2>/dev/null
fi

kill "$notepad" 2>/dev/null

rm -f "$palette"
"$WINE" "$bin/Blazemere.dll" 2>>stderr.log &
renderer=$!
if wait_for_window Blazemere_VC >/dev/null && wait_for_window Error >/dev/null; then
  text=$("$WINE" "$bin/window-probe.exe" Error 2>>stderr.log | awk -F'\t' '$1 == "Static" && $2 != "" { print $2 }')
  check "no palette: the box says why" "\"$text\"" test "$text" = 'Failed to open DIB file c:\k_vorn\Blazemere.bmp.\n'
  wait_for_exit "$renderer" 1
  check "no palette: waits for the user" "$status" test "$status" = running
  xdotool key Return
  wait_for_exit "$renderer" 5
  check "no palette: Return ends it with 1" "status $status" test "$status" = 1
else
  check "no palette: the box" "no fire window or no window titled Error" false
  kill "$renderer" 2>/dev/null
fi
