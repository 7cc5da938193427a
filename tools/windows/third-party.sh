#!/usr/bin/env bash
# Builds the libraries Debian does not package for MinGW (freeglut and
# libjpeg-turbo from Debian's own source packages, GoogleTest from the source
# libgtest-dev installs) as static Windows libraries, into THIRD_PARTY/prefix.
#
# The sources come through a private apt folder that adds deb-src entries for
# the machine's Debian archive, so the system's apt setup stays untouched.
# apt checks each download against the signed source index, and dpkg-source
# checks the tarballs against the .dsc on every extraction: a mismatch stops
# the build. Downloads and builds are kept, keyed by version and toolchain,
# so a second run fetches and builds nothing.
#
# Usage: tools/windows/third-party.sh [THIRD_PARTY_DIR]   (default build-windows/third_party)
set -euo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
top=$(realpath -m "${1:-$here/build-windows/third_party}")
toolchain=$here/cmake/toolchains/mingw-w64-x86_64.cmake
prefix=$top/prefix
stamps=$prefix/share/blazemere-third-party
jobs=${BLAZEMERE_JOBS:-2}

# Source packages: name, exact Debian version (bump it to move to a newer upload).
packages=(
  "freeglut 3.4.0-1"
  "libjpeg-turbo 1:2.1.5-2"
)
# GoogleTest's source comes installed, with Debian's libgtest-dev.
gtest_source=/usr/src/googletest

# A build stays valid while its version, its recipe and the toolchain stay.
recipe_key() {
  { declare -f "build_$1"; cat "$toolchain"; } | sha256sum | cut -c1-16
}

build_freeglut() {
  local src=$1 bld=$2
  cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DBLAZEMERE_THIRD_PARTY_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF
  cmake --build "$bld" -j "$jobs"
  cmake --install "$bld"
}

build_libjpeg-turbo() {
  local src=$1 bld=$2
  # The v6b API, as Debian's libjpeg62-turbo on Linux; SIMD through nasm.
  cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DBLAZEMERE_THIRD_PARTY_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DREQUIRE_SIMD=ON
  # Only the library: the command-line tools are of no use to us.
  cmake --build "$bld" -j "$jobs" --target jpeg-static
  install -d "$prefix/include" "$prefix/lib"
  install -m 0644 "$bld/jconfig.h" "$src/jerror.h" "$src/jmorecfg.h" "$src/jpeglib.h" "$prefix/include/"
  install -m 0644 "$bld/libjpeg.a" "$prefix/lib/"
}

build_googletest() {
  local src=$1 bld=$2
  cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DBLAZEMERE_THIRD_PARTY_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib -DBUILD_GMOCK=ON
  cmake --build "$bld" -j "$jobs"
  cmake --install "$bld"
}

# The private apt folder: deb-src twins of the machine's Debian entries.
apt_dir=$top/apt
apt_opts=(
  -o Dir::Etc::SourceList=/dev/null
  -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
  -o Dir::State::Lists="$apt_dir/lists"
  -o Dir::Cache="$apt_dir/cache"
  -o APT::Sandbox::User="$(id -un)"
)
apt_ready=
private_apt() {
  [ -z "$apt_ready" ] || return 0
  local system=/etc/apt/sources.list.d/debian.sources
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  if [ -r "$system" ]; then
    sed -E 's/^Types:.*/Types: deb-src/' "$system" >"$apt_dir/sources.list.d/debian-src.sources"
  else
    printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
      'Suites: bookworm bookworm-updates' 'Components: main' \
      'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' \
      >"$apt_dir/sources.list.d/debian-src.sources"
  fi
  apt-get "${apt_opts[@]}" -qq update
  apt_ready=1
}

# Fetches NAME=VERSION's source package into its own download folder once.
fetch() {
  local name=$1 version=$2 dir=$3
  if [ -f "$dir/complete" ]; then return 0; fi
  private_apt
  rm -rf "$dir"; mkdir -p "$dir"
  (cd "$dir" && apt-get "${apt_opts[@]}" -qq source --download-only "$name=$version")
  touch "$dir/complete"
}

# Runs NAME's recipe on the source in SRC unless that version is built.
build_once() {
  local name=$1 version=$2 prepare=$3
  local plain=${version#*:}    # the epoch is not part of the file names
  local key stamp=$stamps/$name-$plain
  key=$(recipe_key "$name")
  if [ "$(cat "$stamp" 2>/dev/null)" = "$key" ]; then
    echo "third-party: $name $version is built"
    return 0
  fi
  local started=$SECONDS src=$top/src/$name-$plain bld=$top/build/$name-$plain
  rm -rf "$src" "$bld"; mkdir -p "$top/src"
  : >"$top/$name.log"
  "$prepare" "$name" "$version" "$plain" "$src"
  "build_$name" "$src" "$bld" >>"$top/$name.log" 2>&1 ||
    { tail -n 30 "$top/$name.log" >&2; echo "third-party: building $name failed (log: $top/$name.log)" >&2; exit 1; }
  mkdir -p "$stamps"
  echo "$key" >"$stamp"
  echo "third-party: $name $version built in $((SECONDS - started)) s"
}

# Fetches a source package once and extracts it, checked, into SRC.
from_source_package() {
  local name=$1 version=$2 plain=$3 src=$4
  local downloads=$top/downloads/${name}_$plain
  fetch "$name" "$version" "$downloads"
  # dpkg-source fails when a file does not match the .dsc's checksums. The
  # .dsc's signature cannot be checked (no maintainer keyring); its own hash
  # was checked by apt against the archive's signed index when it came in.
  dpkg-source -x "$downloads/${name}_$plain.dsc" "$src" >>"$top/$name.log" 2>&1 ||
    { grep -E 'error' "$top/$name.log" >&2
      echo "third-party: $name $version: the source does not match its .dsc; delete $downloads to fetch it again" >&2
      exit 1; }
}

from_installed_source() {
  cp -a "$gtest_source" "$4"
}

overall=$SECONDS
for entry in "${packages[@]}"; do
  read -r name version <<<"$entry"
  build_once "$name" "$version" from_source_package
done
build_once googletest "$(dpkg-query -W -f='${Version}' libgtest-dev)" from_installed_source
echo "third-party: ready in $((SECONDS - overall)) s ($prefix)"
