#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: unit,
# audio and real-window tests under a private Xvfb, the unit tests again
# under AddressSanitizer + UndefinedBehaviorSanitizer, the Windows programs
# and their tests under Wine, and each fuzz target
# for a short, fixed time (tools/fuzz.sh runs them longer).
# Usage: bash tools/test.sh
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)

bash tools/setup.sh || { echo "setup failed" >&2; exit 1; }

failed_steps=()
passed=0
failed=0

# Adds a ctest log's counts to the totals.
count_ctest() {
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  [ -n "$line" ] || return 0
  local f total
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + total - f))
  failed=$((failed + f))
}

step() {
  local name=$1; shift
  echo "==> $name"
  if ! "$@"; then failed_steps+=("$name"); fi
}

step "build" tools/build.sh build -DBLAZEMERE_WERROR=ON
# The sanitizer run takes the unit tests only, so only they are built there.
step "build (sanitizers)" tools/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DBLAZEMERE_WERROR=ON \
  -DBLAZEMERE_SANITIZE=ON -DBLAZEMERE_BUILD_BENCHMARKS=OFF --target unit_tests

mkdir -p build/test-logs
echo "==> tests"
tools/with-xvfb.sh ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300 \
  2>&1 | tee build/test-logs/ctest.log
count_ctest build/test-logs/ctest.log

echo "==> unit tests under sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -L unit --output-on-failure -j "$jobs" --timeout 300 \
  2>&1 | tee build/test-logs/ctest-asan.log
count_ctest build/test-logs/ctest-asan.log

# The Windows programs, built with MinGW-w64, and their tests under Wine,
# each in a private prefix on a private Xvfb display (tests/windows/).
windows_started=$SECONDS
step "build (windows)" bash tools/build-windows.sh -DBLAZEMERE_WERROR=ON
echo "==> tests under Wine"
ctest --test-dir build-windows/project --output-on-failure -j "$jobs" --timeout 300 \
  2>&1 | tee build/test-logs/ctest-wine.log
count_ctest build/test-logs/ctest-wine.log
echo "==> the Windows part took $((SECONDS - windows_started)) s"

echo "==> fuzzing"
tools/fuzz.sh 20 2>&1 | tee build/test-logs/fuzz.log
fuzz_line=$(grep -E '^fuzz: [0-9]+ passed, [0-9]+ failed' build/test-logs/fuzz.log | tail -n 1)
if [ -n "$fuzz_line" ]; then
  passed=$((passed + $(sed -E 's/fuzz: ([0-9]+) passed.*/\1/' <<<"$fuzz_line")))
  failed=$((failed + $(sed -E 's/.* ([0-9]+) failed/\1/' <<<"$fuzz_line")))
else
  failed_steps+=("fuzzing")
fi

for s in "${failed_steps[@]}"; do echo "step failed: $s"; failed=$((failed + 1)); done
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
