#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with Clang in build-fuzz (the
# libraries under test instrumented too, with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each target for a bounded time from its
# seed corpus. Fails on any finding; the failing input is left in
# build-fuzz/findings/. Prints the executions of each target.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 15)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-15}
build=build-fuzz

cmake --preset fuzz >/dev/null

targets=(amount_from_text_fuzzer format_number_fuzzer csv_reader_fuzzer rtf_writer_fuzzer)
cmake --build "$build" --target "${targets[@]}"

mkdir -p "$build/findings"
total=0
for target in "${targets[@]}"; do
  # New inputs go to the working corpus in the build folder; the committed
  # seeds are only read.
  work="$build/corpus/$target"
  mkdir -p "$work"
  log="$build/$target.log"
  if ! "$build/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/findings/$target-" "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz: $target found a failing input:" >&2
    grep -E 'ERROR|SUMMARY|Test unit written|abort|deadly' "$log" >&2 || tail -20 "$log" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz: $target: $runs executions in ${seconds}s, no finding"
  total=$((total + runs))
done
echo "fuzz: ${#targets[@]} targets, $total executions, no finding"
