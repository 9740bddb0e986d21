#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# Builds the libFuzzer targets of tests/fuzz with Clang in build-fuzz (the
# libraries under test instrumented too, with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each target for a bounded time from its
# seed corpus. Fails on any finding; the failing input is left in
# build-fuzz/findings/. Prints the executions of each target and their rate.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET [TARGET...]]
#   (default 12 seconds, every target; the targets run one after the other)
#
# Each target has a longest input (-max_len) that still reaches every rule of
# the code it tests but keeps an execution cheap. AddressSanitizer keeps a
# 1 MiB quarantine instead of its 256 MiB: an input frees a few kilobytes, so
# a use after free within it is still caught, and the allocator's memory stays
# in the cache instead of every allocation touching fresh pages.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-12}
build=build-fuzz

cmake --preset fuzz >/dev/null

targets=(amount_from_text_fuzzer format_number_fuzzer csv_reader_fuzzer rtf_writer_fuzzer arguments_fuzzer
  form_fuzzer award_form_fuzzer)
# Longest inputs: a few rows of fields with quotes, every line end and both
# byte-order marks; six fields with multi-byte characters; a dozen arguments;
# some forty typed characters, pastes and clicks, enough to fill all three
# fields with amounts of more digits than the 64-bit significand holds; as
# many events over the award check's five fields, its decimals and guarantee.
declare -A max_len=([csv_reader_fuzzer]=256 [rtf_writer_fuzzer]=128 [arguments_fuzzer]=256 [form_fuzzer]=128
  [award_form_fuzzer]=128)
export ASAN_OPTIONS=quarantine_size_mb=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}
[ $# -gt 1 ] && targets=("${@:2}")
cmake --build "$build" --target "${targets[@]}"

mkdir -p "$build/findings"
total=0
for target in "${targets[@]}"; do
  # New inputs go to the working corpus in the build folder; the committed
  # seeds are only read.
  work="$build/corpus/$target"
  mkdir -p "$work"
  log="$build/$target.log"
  limit=()
  [ -n "${max_len[$target]:-}" ] && limit=(-max_len="${max_len[$target]}")
  if ! "$build/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 "${limit[@]}" \
      -artifact_prefix="$build/findings/$target-" "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz: $target found a failing input:" >&2
    grep -E 'ERROR|SUMMARY|Test unit written|abort|deadly' "$log" >&2 || tail -20 "$log" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz: $target: $runs executions in ${seconds}s ($((runs / seconds))/s), no finding"
  total=$((total + runs))
done
echo "fuzz: ${#targets[@]} targets, $total executions, no finding"
