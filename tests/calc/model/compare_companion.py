#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""Compares the companion's batch mode with the model on seeded vectors, one
companion process per decimal separator. A mismatch prints the three inputs
with the model's texts and the companion's; the exit status is 1 when any
row differs.

    compare_companion.py COMPANION [--seed N] [--count N]
"""

import argparse
import csv
import io
import random
import subprocess
import sys

from discrepancy import compute_texts
from rounding import CalcFault
from vectors import vector


def expected_columns(row, sep):
    try:
        return [*compute_texts(*row, sep), ""]
    except CalcFault as fault:
        return ["", "", "", str(fault)]


def companion_columns(companion, rows, sep):
    table = io.StringIO()
    csv.writer(table, delimiter=";", quoting=csv.QUOTE_ALL, lineterminator="\n").writerows(rows)
    run = subprocess.run([companion, "--csv", "--separator", sep], input=table.getvalue().encode(),
                         capture_output=True, check=True)
    return [out[3:] for out in csv.reader(io.StringIO(run.stdout.decode()), delimiter=";")]


def shown(text):
    return repr(text) if len(text) <= 60 else f"{text[:40]!r}... ({len(text)} characters)"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("companion")
    parser.add_argument("--seed", type=int, default=25)
    parser.add_argument("--count", type=int, default=5000, help="vectors for each of \",\" and \".\"")
    options = parser.parse_args()
    total = mismatches = 0
    for sep, count in ((",", options.count), (".", options.count), ("'", options.count // 10)):
        rng = random.Random(f"{options.seed} {sep}")
        rows = [vector(rng, sep) for _ in range(count)]
        for row, actual in zip(rows, companion_columns(options.companion, rows, sep), strict=True):
            expected = expected_columns(row, sep)
            total += 1
            if actual != expected:
                mismatches += 1
                print(f"separator {sep!r}, inputs {', '.join(map(shown, row))}")
                print(f"  model:     {expected}\n  companion: {actual}")
    print(f"{total} vectors, seed {options.seed}: {mismatches} differ")
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
