#!/usr/bin/env bash
# Builds the Windows programs with MinGW-w64 into build-windows/bin.
# Installs what is missing, builds the third-party libraries once (kept in
# build-windows/third_party), then configures and builds the project with the
# cross toolchain in build-windows/project.
#
# --smoke builds, instead of the project, a small Windows program that proves
# the toolchain, the static libraries and the Wine test environment, and runs
# its checks under Wine + Xvfb (screenshot: build-windows/smoke/window.png).
#
# Usage: bash tools/build-windows.sh [--smoke] [cmake -D options...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=$root/build-windows
toolchain=$root/cmake/toolchains/mingw-w64-x86_64.cmake
prefix=$out/third_party/prefix

smoke=
if [ "${1:-}" = "--smoke" ]; then smoke=1; shift; fi

bash tools/setup-windows.sh
bash tools/windows/third-party.sh "$out/third_party"

cross=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DBLAZEMERE_THIRD_PARTY_PREFIX="$prefix")

if [ -n "$smoke" ]; then
  cmake -S tools/windows/smoke -B "$out/smoke" "${cross[@]}" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$out/smoke" -j 2
  exec tools/with-wine.sh "$out/wine/smoke" bash tools/windows/smoke/check.sh "$out/smoke"
fi

cmake -S . -B "$out/project" "${cross[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DBLAZEMERE_BUILD_TESTS=OFF -DBLAZEMERE_BUILD_BENCHMARKS=OFF "$@"
cmake --build "$out/project" -j 2
# The programs go where a user picks them up: build-windows/bin.
ln -sfn project/bin "$out/bin"
