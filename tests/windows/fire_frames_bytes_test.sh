# fire-frames.exe writes the very bytes the Linux fire-frames writes: the
# fire core, its kernels and the PPM come out the same on both systems, and
# standard output takes binary data (no "\r" before a "\n" byte).
# wine-test: TIMEOUT 240
frames_alike() {
  local frames=$1 palette=${2:-}
  local name=$frames${palette:+-palette}
  local linux_args=("$frames") windows_args=("$frames")
  if [ -n "$palette" ]; then linux_args+=("$palette"); windows_args+=("$(winpath "$palette")"); fi
  "$linux_bin/fire-frames" "${linux_args[@]}" >"linux-$name.ppm"
  "$WINE" "$bin/fire-frames.exe" "${windows_args[@]}" >"windows-$name.ppm" 2>>stderr.log
  check "fire-frames $frames${palette:+ with a palette file}" \
    "$(stat -c %s "windows-$name.ppm") bytes, $(cmp "linux-$name.ppm" "windows-$name.ppm" 2>&1 || true)" \
    cmp -s "linux-$name.ppm" "windows-$name.ppm"
}

if [ ! -x "$linux_bin/fire-frames" ]; then
  check "Linux fire-frames" "none in $linux_bin: build it first (tools/build.sh build)" false
  return
fi
for frames in 1 2 100 4001; do frames_alike "$frames"; done
# A palette read from a file goes through the Windows file backend.
"$WINE" "$bin/write-palette-ramp.exe" >/dev/null 2>>stderr.log
frames_alike 100 "$WINEPREFIX/drive_c/k_vorn/Blazemere.bmp"
