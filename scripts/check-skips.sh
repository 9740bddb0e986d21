#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Fails on a test that ctest reports as skipped or disabled, unless the
# README's "Tests" section names it (in backquotes) with the reason why that
# skip is expected. A skip is otherwise a fault of the set-up: something the
# test needs was not installed or could not start.
#   scripts/check-skips.sh CTEST_OUTPUT...
# CTEST_OUTPUT is what ctest printed, whose summary lists the tests that
# did not run as "NUMBER - NAME (Skipped)".
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ $# -gt 0 ] || { echo "usage: scripts/check-skips.sh CTEST_OUTPUT..." >&2; exit 2; }

expected=$(sed -n '/^## Tests$/,/^## /p' "$root/README.md")
faults=0 skipped=0
while read -r name; do
  skipped=$((skipped + 1))
  if ! grep -qF "\`$name\`" <<<"$expected"; then
    echo "check-skips: $name did not run: a set-up fault (install what it needs), unless README.md's Tests section names it and why" >&2
    faults=$((faults + 1))
  fi
done < <(sed -n 's/^[[:space:]]*[0-9]\{1,\} - \([^ ]*\) (\(Skipped\|Disabled\))$/\1/p' "$@" | sort -u)
[ "$faults" -eq 0 ] || exit 1
echo "Skip check: $skipped tests did not run, each an expected skip that the README names."
