#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# Time to the first shown window: the program's own start-up against a bare
# Qt 6 window with the same widgets, run alternately on one virtual X display.
#   bench/app/compare_startup.sh BUILD_DIR [RUNS]
# Prints the median and the quartiles of each, in milliseconds, and the ratio
# of the medians.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:?build folder}
runs=${2:-30}
program=$build/bench/app/bench_app_program_startup
bare=$build/bench/app/bench_app_bare_window_startup
logs=$(mktemp -d)
xvfb=
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$logs"' EXIT
# shellcheck source=scripts/virtual-display.sh
. "$root/scripts/virtual-display.sh"
start_display "$logs" 1024x768x24
export QT_QPA_PLATFORM=xcb

elapsed_ms() {
  local start end
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}

"$program" >/dev/null 2>&1; "$bare" >/dev/null 2>&1  # warm the file cache
: > /tmp/startup-program.txt; : > /tmp/startup-bare.txt
for _ in $(seq "$runs"); do
  elapsed_ms "$program" >> /tmp/startup-program.txt
  elapsed_ms "$bare" >> /tmp/startup-bare.txt
done

python3 - /tmp/startup-program.txt /tmp/startup-bare.txt <<'PY'
import statistics, sys
def load(path):
    return sorted(int(line) / 1000 for line in open(path))
program, bare = load(sys.argv[1]), load(sys.argv[2])
for name, data in (("program", program), ("bare Qt window", bare)):
    q = statistics.quantiles(data, n=4)
    print(f"{name:15s} median {statistics.median(data):7.1f} ms  quartiles {q[0]:.1f} .. {q[2]:.1f} ms  ({len(data)} runs)")
print(f"ratio of medians {statistics.median(program) / statistics.median(bare):.2f}")
PY
