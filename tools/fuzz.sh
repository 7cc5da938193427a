#!/usr/bin/env bash
# Builds the libFuzzer targets (clang) in build-fuzz and runs each one on its
# corpus in fuzz/corpus/<name> for SECONDS (default 600), as many at once as
# there are cores. New inputs a run finds go to build-fuzz/corpus-<target>,
# a crashing input to build-fuzz/crash-*; each run's log to
# build-fuzz/logs/<target>.log. Ends with "fuzz: N passed, M failed" and
# fails when a target did.
# Usage: tools/fuzz.sh [SECONDS]     (tools/test.sh runs it for 20 seconds)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-600}
case $seconds in ''|*[!0-9]*) echo "usage: tools/fuzz.sh [SECONDS]" >&2; exit 2 ;; esac

tools/build.sh build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DBLAZEMERE_FUZZ=ON -DBLAZEMERE_BUILD_TESTS=OFF -DBLAZEMERE_BUILD_BENCHMARKS=OFF --target fuzzers \
  || { echo "fuzz: build failed"; exit 1; }

logs=$root/build-fuzz/logs
mkdir -p "$logs"

# One target for `seconds`; its verdict in logs/<name>.verdict.
run_one() {
  local fuzzer=$1 name corpus scratch
  name=$(basename "$fuzzer")
  corpus="$root/fuzz/corpus/${name#fuzz_}"
  scratch="$root/build-fuzz/corpus-$name"
  mkdir -p "$scratch"
  if "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$root/build-fuzz/" \
       "$scratch" "$corpus" > "$logs/$name.log" 2>&1; then
    echo passed > "$logs/$name.verdict"
  else
    echo failed > "$logs/$name.verdict"
  fi
}

fuzzers=(build-fuzz/bin/fuzz_*)
running=0
for fuzzer in "${fuzzers[@]}"; do
  [ -x "$fuzzer" ] || continue
  echo "--- $(basename "$fuzzer") (${seconds} s)"
  run_one "$fuzzer" &
  running=$((running + 1))
  if [ "$running" -ge "$(nproc)" ]; then wait -n; running=$((running - 1)); fi
done
wait

passed=0
failed=0
for fuzzer in "${fuzzers[@]}"; do
  name=$(basename "$fuzzer")
  if [ "$(cat "$logs/$name.verdict" 2>/dev/null)" = passed ]; then
    passed=$((passed + 1)); echo "$name: no crash"
  else
    failed=$((failed + 1)); tail -n 40 "$logs/$name.log"; echo "$name: FAILED"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
