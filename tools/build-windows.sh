#!/usr/bin/env bash
# Builds the Windows programs with MinGW-w64 into build-windows/bin, with
# their tests (run them with `ctest --test-dir build-windows/project`; each
# runs under Wine). Installs what is missing, builds the third-party
# libraries once (kept in build-windows/third_party) and the picture
# generators for this machine (build-windows/generators: they run while
# building), then configures and builds the project with the cross
# toolchain in build-windows/project.
#
# Usage: bash tools/build-windows.sh [cmake -D options...] [--target T...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=$root/build-windows
toolchain=$root/cmake/toolchains/mingw-w64-x86_64.cmake
prefix=$out/third_party/prefix
export BLAZEMERE_JOBS=${BLAZEMERE_JOBS:-2}

bash tools/setup-windows.sh
bash tools/windows/third-party.sh "$out/third_party"

# The generators draw the built-in pictures while the project builds, so
# they are built for this machine, not for Windows.
bash tools/build.sh "$out/generators" -DCMAKE_BUILD_TYPE=Release -DBLAZEMERE_GENERATORS_ONLY=ON \
  --target blazemere_generators

bash tools/build.sh "$out/project" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DBLAZEMERE_THIRD_PARTY_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DBLAZEMERE_BUILD_BENCHMARKS=OFF \
  -DBLAZEMERE_GENERATORS="$out/generators/BlazemereGenerators.cmake" "$@"

# The programs go where a user picks them up: build-windows/bin.
ln -sfn project/bin "$out/bin"
