# Blazemere.scr /p <HWND> under Wine, as the Display Properties start it: the
# preview becomes a child of that window, as large as its inside, and the
# host ends once that window is destroyed. The handle is given in two of the
# forms the command line allows (all of them are held by its unit test). Wine does not show another process's child
# windows' pixels, so the rows look at the windows' structure.
# wine-test: TIMEOUT 120
mkdir -p saver
cp "$bin/Blazemere.scr" "$bin/Blazemere.dll" saver/

preview_in() {
  local name=$1 form=$2 size=$3
  "$WINE" "$bin/preview-parent.exe" "${size%x*}" "${size#*x}" >"parent-$name.txt" 2>>stderr.log &
  local parent=$! handle=
  for _ in $(seq 200); do
    handle=$(head -n 1 "parent-$name.txt")
    [ -n "$handle" ] && break
    sleep 0.05
  done
  # shellcheck disable=SC2059
  local argument; argument=$(printf "$form" "$handle")
  "$WINE" saver/Blazemere.scr /p "$argument" 2>>stderr.log &
  local host=$!
  wait_for_exit "$parent" 30
  local found; found=$(sed -n 2p "parent-$name.txt")
  check "$name: child of the window" "\"/p $argument\": $found" \
    test "$found" = "child Preview Window ${size} parent=yes child-style=yes other-process=yes"
  local destroyed; destroyed=$(now_ms)
  wait_for_exit "$host" 10
  check "$name: ends with its parent" "host status $status $(($(now_ms) - destroyed)) ms after" test "$status" = 0
}

preview_in "decimal" "%d" 152x112
preview_in "hex 0x" "0x%x" 200x150

# A handle that names no window: the host ends at once.
"$WINE" saver/Blazemere.scr /p 12345 2>>stderr.log &
wait_for_exit $! 10
check "no such window" "status $status" test "$status" = 0
