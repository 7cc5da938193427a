# Blazemere.scr /s under Wine, started as Windows starts a screen saver from
# a folder holding both programs: the palette lands byte for byte at
# C:\k_vorn\Blazemere.bmp, the renderer covers the screen, a second start
# ends at once, Escape ends the renderer and then the host; without
# Blazemere.dll beside it the host says so in a message box.
# wine-test: TIMEOUT 180
palette=$WINEPREFIX/drive_c/k_vorn/Blazemere.bmp
# The colour ramp's bytes as every saver run writes them (3126 bytes).
palette_sha256=da360a977b0b057dcc4f12253beb3ff51be40f21685e5a9be38b2907846d52dc

mkdir -p saver lonely
cp "$bin/Blazemere.scr" "$bin/Blazemere.dll" saver/
cp "$bin/Blazemere.scr" lonely/

"$WINE" saver/Blazemere.scr /s 2>>stderr.log &
host=$!
if fire=$(wait_for_window Blazemere_VC 20); then
  sleep 1.5  # full screen takes effect inside GLUT's main loop
  check "palette byte-exact" "$(stat -c %s "$palette" 2>&1) bytes" \
    test "$(sha256sum <"$palette" | cut -d' ' -f1)" = "$palette_sha256"
  check "renderer covers the screen" "$(window_geometry "$fire") on $(screen_size)" \
    test "$(window_geometry "$fire")" = "$(screen_size)+0+0"

  started=$(now_ms)
  "$WINE" saver/Blazemere.scr /s 2>>stderr.log &
  wait_for_exit $! 10
  check "second start ends at once" "status $status after $(($(now_ms) - started)) ms" test "$status" = 0
  check "one renderer only" "$(xdotool search --name '^Blazemere_VC$' | wc -l) windows" \
    test "$(xdotool search --name '^Blazemere_VC$' | wc -l)" = 1

  started=$(now_ms)
  xdotool key Escape
  wait_for_exit "$host" 10
  check "Escape ends renderer and host" "host status $status $(($(now_ms) - started)) ms after the key" \
    test "$status" = 0 -a "$(($(now_ms) - started))" -lt 3000
  check "renderer gone" "$(xdotool search --name '^Blazemere_VC$' | wc -l) windows left" \
    test -z "$(xdotool search --name '^Blazemere_VC$')"
else
  check "renderer window" "no window titled Blazemere_VC" false
  kill "$host" 2>/dev/null
fi

"$WINE" lonely/Blazemere.scr /s 2>>stderr.log &
host=$!
if wait_for_window 'Blazemere \(ScreenSaver\)' >/dev/null; then
  controls=$("$WINE" "$bin/window-probe.exe" 'Blazemere (ScreenSaver)' 2>>stderr.log)
  text=$(awk -F'\t' '$1 == "Static" && $2 != "" { print $2 }' <<<"$controls")
  check "renderer missing: the message" "\"$text\"" test "$text" = 'Blazemere.dll が同じﾌｫﾙﾀﾞに見つかりません！'
  buttons=$(awk -F'\t' '$1 == "Button" { printf "%s;", $2 }' <<<"$controls")
  check "renderer missing: OK alone" "$buttons" test "$buttons" = "OK;"
  xdotool key Return
  wait_for_exit "$host" 5
  check "renderer missing: OK ends the host" "status $status" test "$status" = 0
else
  check "renderer missing: the box" "no window titled Blazemere (ScreenSaver)" false
  kill "$host" 2>/dev/null
fi
