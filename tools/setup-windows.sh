#!/usr/bin/env bash
# Installs what the Windows build and its tests under Wine need: the MinGW-w64
# cross compilers, the tools that build the third-party libraries from
# Debian's source packages, and Wine with the GStreamer plugins its MCI MP3
# playback uses. Safe to run again: apt-get only adds what is missing.
set -euo pipefail

packages=(
  # cross toolchain (the -posix flavour: std::thread and std::mutex work)
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  # third-party sources: apt-get source, dpkg-source, the .dsc checks; SIMD in
  # libjpeg-turbo; the GoogleTest source
  dpkg-dev gpgv debian-archive-keyring nasm cmake ninja-build libgtest-dev
  # the picture generators, built for this machine to run while building
  build-essential libjpeg-dev
  # Wine and what its winmm needs to play MP3 without a sound card
  wine wine64 fonts-wine gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly
  # the test environment around it
  xvfb xdotool x11-utils imagemagick sox lame python3 fonts-ipafont-gothic
)

bash "$(dirname "$0")/install-packages.sh" "${packages[@]}"
