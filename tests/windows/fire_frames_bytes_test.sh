# fire-frames.exe writes the very bytes the Linux fire-frames writes: the
# fire core, its kernels and the PPM come out the same on both systems, and
# standard output takes binary data (no "\r" before a "\n" byte).
# wine-test: TIMEOUT 240
frames_alike() {
  "$linux_bin/fire-frames" "$1" >"linux-$1.ppm"
  "$WINE" "$bin/fire-frames.exe" "$1" >"windows-$1.ppm" 2>>stderr.log
  check "fire-frames $1" "$(stat -c %s "windows-$1.ppm") bytes, $(cmp "linux-$1.ppm" "windows-$1.ppm" 2>&1 || true)" \
    cmp -s "linux-$1.ppm" "windows-$1.ppm"
}

if [ ! -x "$linux_bin/fire-frames" ]; then
  check "Linux fire-frames" "none in $linux_bin: build it first (tools/build.sh build)" false
  return
fi
for frames in 1 2 100 4001; do frames_alike "$frames"; done
