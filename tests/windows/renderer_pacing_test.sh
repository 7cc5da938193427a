# Blazemere.dll keeps to about one frame per refresh under Wine, whose
# wglSwapIntervalEXT grants an interval of one on a display without swap
# control and then swaps at once: the renderer must notice and pace the
# frames itself. The swaps are counted from Wine's own trace of them; the
# display is small, so an unpaced loop would run at hundreds of frames.
# wine-test: SCREEN 320x240
"$WINE" "$bin/write-palette-ramp.exe" >/dev/null 2>>stderr.log
WINEDEBUG=+timestamp,+wgl "$WINE" "$bin/Blazemere.dll" 2>wgl.log &
renderer=$!
if wait_for_window Blazemere_VC >/dev/null; then
  sleep 4
  xdotool key Escape
fi
wait_for_exit "$renderer" 5 || kill "$renderer" 2>/dev/null

asked=$(grep -c 'wglSwapIntervalEXT (1)' wgl.log)
check "asks for a swap interval" "$asked calls of wglSwapIntervalEXT(1)" test "$asked" -ge 1
# The frame rate over the last two seconds, well after the start.
rate=$(awk -F: '/wglSwapBuffers/ { t[++n] = $1 } END {
         if (n < 2) { print 0; exit }
         for (i = n; i > 1 && t[n] - t[i] < 2; i--) {}
         printf "%.0f", (n - i) / (t[n] - t[i]) }' wgl.log)
check "paced" "$rate frames a second" test "$rate" -ge 20 -a "$rate" -le 75
