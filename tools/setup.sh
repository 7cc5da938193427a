#!/usr/bin/env bash
# Installs every Debian package Blazemere needs to build, run and test.
# Safe to run again: apt-get only adds what is missing.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  # renderer
  libglut-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libxrandr-dev
  # host: X11, widgets, fonts, sound, CD, pictures
  libx11-dev libxfixes-dev libfltk1.3-dev libxft-dev fontconfig fonts-ipafont-gothic
  libsdl2-dev libsdl2-mixer-dev libcdio-dev libcdio-paranoia-dev libjpeg-dev
  xdg-utils
  # the desktop's own file chooser, loaded at run time when present
  libgtk-3-0
  # the installed desktop files: the icons' PNG writer, and their validators
  libpng-dev desktop-file-utils appstream man-db libxml2-utils pngcheck librsvg2-bin
  # tests and benchmarks
  libgtest-dev libbenchmark-dev xvfb xdotool x11-utils x11-apps imagemagick
  sox libsox-fmt-mp3 lame
  # the peer the saver's cost is measured against (xflame)
  xscreensaver-data-extra
  # the display mode under the real XScreenSaver, two monitors made with xrandr
  xscreensaver x11-xserver-utils
)

here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/install-packages.sh" "${packages[@]}"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The captions ask for the Windows font by name; map it to IPA P Gothic.
alias_conf=host/resources/fonts/65-blazemere-ms-pgothic.conf
if ! cmp -s "$here/$alias_conf" /etc/fonts/conf.d/65-blazemere-ms-pgothic.conf; then
  as_root install -m 0644 "$here/$alias_conf" /etc/fonts/conf.d/65-blazemere-ms-pgothic.conf
  as_root fc-cache -f >/dev/null 2>&1 || true
fi
