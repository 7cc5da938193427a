#!/usr/bin/env bash
# Builds the Windows programs with MinGW-w64 into build-windows/bin, with
# their tests (run them with `ctest --test-dir build-windows/project`; each
# runs under Wine). Installs what is missing, builds the third-party
# libraries once (kept in build-windows/third_party) and the picture
# generators for this machine (build-windows/generators: they run while
# building), then configures and builds the project with the cross
# toolchain in build-windows/project.
#
# --smoke builds, instead of the project, a small Windows program that proves
# the toolchain, the static libraries and the Wine test environment, and runs
# its checks under Wine + Xvfb (screenshot: build-windows/smoke/window.png).
#
# Usage: bash tools/build-windows.sh [--smoke] [cmake -D options...] [--target T...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=$root/build-windows
toolchain=$root/cmake/toolchains/mingw-w64-x86_64.cmake
prefix=$out/third_party/prefix
jobs=${BLAZEMERE_JOBS:-2}

smoke=
if [ "${1:-}" = "--smoke" ]; then smoke=1; shift; fi
configure=(); targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --target) targets+=(--target "$2"); shift 2 ;;
    *) configure+=("$1"); shift ;;
  esac
done

bash tools/setup-windows.sh
bash tools/windows/third-party.sh "$out/third_party"

cross=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DBLAZEMERE_THIRD_PARTY_PREFIX="$prefix")

if [ -n "$smoke" ]; then
  cmake -S tools/windows/smoke -B "$out/smoke" "${cross[@]}" -DCMAKE_BUILD_TYPE=Release "${configure[@]}" >/dev/null
  cmake --build "$out/smoke" -j "$jobs"
  exec tools/with-wine.sh "$out/wine/smoke" bash tools/windows/smoke/check.sh "$out/smoke"
fi

# The generators draw the built-in pictures while the project builds, so
# they are built for this machine, not for Windows.
cmake -S . -B "$out/generators" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBLAZEMERE_GENERATORS_ONLY=ON >/dev/null
cmake --build "$out/generators" -j "$jobs" --target blazemere_generators

cmake -S . -B "$out/project" "${cross[@]}" -DCMAKE_BUILD_TYPE=Release -DBLAZEMERE_BUILD_BENCHMARKS=OFF \
  -DBLAZEMERE_GENERATORS="$out/generators/BlazemereGenerators.cmake" "${configure[@]}" >/dev/null
cmake --build "$out/project" -j "$jobs" "${targets[@]}"
# The programs go where a user picks them up: build-windows/bin.
ln -sfn project/bin "$out/bin"
