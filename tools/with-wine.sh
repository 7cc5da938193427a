#!/usr/bin/env bash
# Runs a command in a private Wine world on a private Xvfb display:
#   DIR/prefix      the WINEPREFIX, kept and reused while present
#   DIR/home        HOME, whose .asoundrc sends the default ALSA device to a file
#   DIR/audio.raw   what the programs played: signed 16-bit little-endian,
#                   stereo, 44100 Hz, emptied at each start
# New prefixes are cloned from one template that `wineboot -i` makes once per
# Wine version and recipe (BLAZEMERE_WINE_TEMPLATE, by default
# build-windows/wine/template). DIR belongs to one command at a time; when the
# command ends, every Wine process of the prefix is ended too.
#
# Inside the command: WINE runs a program (`"$WINE" prog.exe`), WINEPREFIX is
# the prefix, BLAZEMERE_AUDIO the audio file.
# Usage: tools/with-wine.sh [-s WIDTHxHEIGHT] DIR command [args...]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
wine_bin=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

if [ "${1:-}" = "--inside" ]; then
  # Second stage, on the Xvfb display: run, then end what the command left.
  shift
  set +e
  "$@"
  status=$?
  "$wineserver" -k 2>/dev/null
  "$wineserver" -w 2>/dev/null
  exit "$status"
fi

size=1280x1024
if [ "${1:-}" = "-s" ]; then size=$2; shift 2; fi
[ $# -ge 2 ] || { echo "usage: tools/with-wine.sh [-s WIDTHxHEIGHT] DIR command [args...]" >&2; exit 2; }
dir=$(realpath -m "$1"); shift
template=$(realpath -m "${BLAZEMERE_WINE_TEMPLATE:-$here/build-windows/wine/template}")

export WINELOADER=$wine_bin WINE=$wine_bin
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko (there is no network to fetch them), no menu entries.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
# Wine takes its code pages from the locale: C.UTF-8 gives ANSI 1252, as an
# English Windows; BLAZEMERE_WINE_LANG=ja_JP.UTF-8 gives 932, as a Japanese
# one (Wine needs no installed locale for that). UTF-8 either way, so command
# lines and registry values carry any text.
export LANG=${BLAZEMERE_WINE_LANG:-C.UTF-8} LC_ALL=${BLAZEMERE_WINE_LANG:-C.UTF-8}

# Registry settings every test prefix starts with.
seed_registry() {
  local reg=(reg add)
  # Captions ask for the Japanese Windows font by name: give them IPA P Gothic.
  "$wine_bin" "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f
  "$wine_bin" "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS PGothic' /d IPAPGothic /f
  # ALSA only: PulseAudio is not running and would be tried first.
  "$wine_bin" "${reg[@]}" 'HKCU\Software\Wine\Drivers' /v Audio /d alsa /f
  # Without a window manager, Wine waits 2 s for one to withdraw each managed
  # window it hides or destroys; unmanaged windows go at once, and Wine draws
  # their frames itself, as Windows does.
  "$wine_bin" "${reg[@]}" 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
  # A crash ends the program instead of waiting on a dialog nobody clicks.
  "$wine_bin" "${reg[@]}" 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
}

make_template() {
  local fresh=$template.new
  rm -rf "$fresh"; mkdir -p "$fresh/home"
  local started=$SECONDS
  (
    export WINEPREFIX=$fresh/prefix HOME=$fresh/home
    unset DISPLAY
    "$wine_bin" wineboot -i
    seed_registry >/dev/null
    "$wineserver" -w
  ) >"$fresh/wineboot.log" 2>&1 || { cat "$fresh/wineboot.log" >&2; exit 1; }
  # Debian's Wine leaves C:\windows\Fonts empty; Wine's own fonts (fonts-wine)
  # give dialogs their usual face and the caption buttons their Marlett glyphs.
  cp /usr/share/wine/fonts/* "$fresh/prefix/drive_c/windows/Fonts/"
  # The user folders link to the HOME they were made in; make them plain
  # folders so no clone writes outside its own directory.
  find "$fresh/prefix/drive_c/users" -type l -exec sh -c 'rm "$1" && mkdir "$1"' _ {} \;
  echo "$template_key" >"$fresh/version"
  rm -rf "$template"; mv "$fresh" "$template"
  echo "with-wine: made the Wine template in $((SECONDS - started)) s" >&2
}

# One template per Wine version and recipe; parallel callers wait for the
# first to make it.
template_key="$("$wine_bin" --version) $({ declare -f seed_registry make_template; } | sha256sum | cut -c1-16)"
mkdir -p "$(dirname "$template")"
(
  flock 9
  if [ "$(cat "$template/version" 2>/dev/null)" != "$template_key" ]; then make_template; fi
) 9>"$template.lock"

# Clone: Wine's own binaries (most of the 700 MB) as hard links, since Wine
# only reads them; everything a program may write (registry, .ini files,
# folders) as copies. A clone of an older template is made again.
if ! cmp -s "$template/version" "$dir/prefix/.cloned"; then
  rm -rf "$dir/prefix"; mkdir -p "$dir"
  cp -al "$template/prefix" "$dir/prefix"
  find "$dir/prefix" -type f -links +1 \
    ! -iregex '.*\.\(dll\|exe\|drv\|sys\|acm\|ocx\|tlb\|nls\|cpl\|ax\|ds\|msstyles\|mui\|ttf\|fon\)' \
    -exec sh -c 'for f; do cp --preserve=all "$f" "$f.copy" && mv "$f.copy" "$f"; done' _ {} +
  cp "$template/version" "$dir/prefix/.cloned"
fi

mkdir -p "$dir/home"
audio=$dir/audio.raw
: >"$audio"
# The file plugin truncates its file on every open (or, told not to, makes a
# new file per open), and Wine opens the device again for each sound: a pipe
# to an appending writer keeps everything played, in order, in one file. The
# writer takes the samples at the rate they play (see pace-audio.py).
cat >"$dir/home/.asoundrc" <<EOF
# Written by tools/with-wine.sh: what is played lands in $audio.
pcm.!default {
  type plug
  slave { pcm "blazemere_file"; format S16_LE; channels 2; rate 44100 }
}
pcm.blazemere_file {
  type file
  slave.pcm "null"
  file "|exec python3 '$here/tools/windows/pace-audio.py' '$audio'"
  format "raw"
}
EOF

export WINEPREFIX=$dir/prefix HOME=$dir/home BLAZEMERE_AUDIO=$audio
# Keep the caller's XDG folders out of the prefix.
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR
exec "$here/tools/with-xvfb.sh" -s "$size" "$0" --inside "$@"
