#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# The cost of --award on a spreadsheet of bids: the companion's whole
# process on the same generated rows with --csv and with --csv --award,
# timed in pairs, and the medians of the elapsed and user times with their
# ratio. The goal: --award within two and a half times the time without it.
#
#   bench/cli/award_csv.sh build/cli/discordanza-cli [ROWS] [PAIRS]
set -euo pipefail
program=${1:?usage: $0 PROGRAM [ROWS] [PAIRS]}
rows=${2:-1000000}
pairs=${3:-5}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Rows as a tender's bids look: a base amount, a discount with three
# decimals, and a contractor's total below the base with cents; seeded, so
# that every run times the same file.
awk -v rows="$rows" 'BEGIN {
  srand(24)
  for (i = 0; i < rows; i++) {
    base = int(10000 + rand() * 99990000)
    discount = int(rand() * 40000)
    total = int(1000 + rand() * (base - 1000))
    printf "%d;%d,%03d;%d,%02d\n", base, discount / 1000, discount % 1000, total, int(rand() * 100)
  }
}' >"$work/rows.csv"

time_run() {
  /usr/bin/time -f '%e %U' -o "$work/time" "$program" --csv "$work/rows.csv" --separator , "$@" >/dev/null
  cat "$work/time"
}

: >"$work/plain"
: >"$work/award"
for ((i = 0; i < pairs; i++)); do
  time_run >>"$work/plain"
  time_run --award --safety-costs 30000 >>"$work/award"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
plainElapsed=$(cut -d' ' -f1 "$work/plain" | median)
awardElapsed=$(cut -d' ' -f1 "$work/award" | median)
plainUser=$(cut -d' ' -f2 "$work/plain" | median)
awardUser=$(cut -d' ' -f2 "$work/award" | median)
echo "rows: $rows, pairs: $pairs"
echo "--csv          median elapsed ${plainElapsed} s, user ${plainUser} s"
echo "--csv --award  median elapsed ${awardElapsed} s, user ${awardUser} s"
awk -v a="$awardElapsed" -v p="$plainElapsed" -v au="$awardUser" -v pu="$plainUser" \
  'BEGIN { printf "ratio: elapsed %.2f, user %.2f (goal: at most 2.5)\n", a / p, au / pu }'
