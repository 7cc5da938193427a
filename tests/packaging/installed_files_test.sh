#!/usr/bin/env bash
# Installs the build into a fresh prefix (as `cmake --install build --prefix
# ~/.local` does) and puts each installed file for the desktop before its
# validator. Every row runs; each failing one is named with what its
# validator said.
# Usage: installed_files_test.sh BUILD_DIR PREFIX SOURCE_DIR
set -uo pipefail
build=$1
prefix=$2
source=$3
id=org.example.blazemere
icon_sizes=(16 22 24 32 48 64 128 256)

rm -rf "$prefix"
if ! cmake --install "$build" --prefix "$prefix" >/dev/null; then
  echo "FAILED: cmake --install into $prefix"
  exit 1
fi
share=$prefix/share
entry=$share/applications/$id.desktop
# The icon is looked up by the name the menu entry gives.
icon=$(sed -n 's/^Icon=//p' "$entry")

failures=0
# check ROW COMMAND...: the row passes when the command succeeds and says
# nothing on standard error.
check() {
  local row=$1; shift
  local out err status
  out=$(mktemp); err=$(mktemp)
  "$@" >"$out" 2>"$err"
  status=$?
  if [ "$status" -ne 0 ] || [ -s "$err" ]; then
    echo "FAILED: $row (status $status)"
    sed 's/^/  | /' "$out" "$err"
    failures=$((failures + 1))
  fi
  rm -f "$out" "$err"
}

# The man page as man shows it on an 80-column terminal; groff's warnings
# (unknown macros, characters the terminal lacks) go to standard error.
render_man_page() {
  env -i PATH="$PATH" LC_ALL=C MANWIDTH=80 man -l --warnings "$1" >/dev/null
}

# pngcheck tells a damaged file (bad CRC, truncated data) and, in its one line
# of output, the picture's size and kind.
png_of_size() {
  local file=$1 size=$2 said
  said=$(pngcheck "$file") || { echo "$said" >&2; return 1; }
  grep -q "(${size}x${size}, 32-bit RGB+alpha" <<<"$said" || { echo "not ${size}x${size} RGBA: $said" >&2; return 1; }
}

# librsvg draws the icon as the desktops do; a drawing it cannot read fails.
svg_draws() {
  local png
  png=$(mktemp --suffix=.png)
  rsvg-convert -w 256 -h 256 -o "$png" "$1" && png_of_size "$png" 256
  local status=$?
  rm -f "$png"
  return $status
}

# Screenshots that are the README's pictures at the project's address (the
# validator only sees that they are web addresses).
metainfo_screenshots() {
  local metainfo=$1 homepage images image
  homepage=$(xmllint --xpath 'string(/component/url[@type="homepage"])' "$metainfo") || return 1
  images=$(xmllint --xpath '/component/screenshots/screenshot/image/text()' "$metainfo") || return 1
  [ "$(wc -l <<<"$images")" -eq 2 ] || { echo "not two screenshots: $images" >&2; return 1; }
  while read -r image; do
    [[ $image == "$homepage"* ]] || { echo "$image is not under $homepage" >&2; return 1; }
    [ -f "$source/${image#"$homepage"}" ] || { echo "$image is no picture of the repository" >&2; return 1; }
  done <<<"$images"
}

# The menu entry's command reaches both programs, side by side.
programs_installed() {
  local exec
  exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  for program in "bin/$exec" lib/blazemere/Blazemere.scr lib/blazemere/Blazemere.dll; do
    [ -x "$prefix/$program" ] || { echo "$program is not installed as a program" >&2; return 1; }
  done
}

check "desktop entry" desktop-file-validate "$entry"
check "metainfo" appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml"
check "metainfo screenshots" metainfo_screenshots "$share/metainfo/$id.metainfo.xml"
check "metainfo with entry and icons" appstreamcli validate-tree --no-net --pedantic "$prefix"
check "man page renders" render_man_page "$share/man/man1/blazemere.1"
check "man page NAME for whatis" lexgrog "$share/man/man1/blazemere.1"
check "XScreenSaver config is well-formed" xmllint --noout "$share/xscreensaver/config/blazemere.xml"
for size in "${icon_sizes[@]}"; do
  check "icon ${size}x${size}" png_of_size "$share/icons/hicolor/${size}x${size}/apps/$icon.png" "$size"
done
check "scalable icon" svg_draws "$share/icons/hicolor/scalable/apps/$icon.svg"
check "programs for the menu entry" programs_installed

[ "$failures" -eq 0 ] || { echo "$failures row(s) failed"; exit 1; }
echo "all installed files passed"
