#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# Builds the calc library, the companion and their tests in three more
# configurations and runs their tests in each, so that the same result tables
# are seen to pass wherever the program may be built:
#   soft     the software extended arithmetic on this machine (CMake option);
#   ld64     long double as a plain double (-mlong-double-64, as with
#            Microsoft's compiler): calc/extended.h must pick the software
#            arithmetic by itself;
#   aarch64  cross-built with Debian's aarch64 compiler (long double is a
#            128-bit format there) and run under qemu-user.
# Presets (CMakePresets.json): soft, ld64, aarch64.
# Usage: scripts/check-platforms.sh [soft|ld64|aarch64]...  (default: all three)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

jobs=$(nproc)

# The software arithmetic must be what the calc library carries: its object
# files define the software operations.
expect_software_arithmetic() {
  local dir=$1 nm_tool=$2
  local symbols
  symbols=$("$nm_tool" -C "$dir/calc/libdiscordanza_calc.a")
  if ! grep -q ' T calc::soft_extended::Add(' <<<"$symbols"; then
    echo "check-platforms: $dir: the calc library does not carry the software extended arithmetic" >&2
    exit 1
  fi
}

check_soft() {
  echo "== software extended arithmetic on $(uname -m)"
  scripts/build.sh soft
  expect_software_arithmetic build-platform-soft nm
  ctest --preset soft -j "$jobs"
}

check_ld64() {
  echo "== long double as a plain double (-mlong-double-64)"
  scripts/build.sh ld64
  expect_software_arithmetic build-platform-ld64 nm
  ctest --preset ld64 -j "$jobs"
}

check_aarch64() {
  echo "== aarch64, cross-built, under qemu-user"
  scripts/setup-cross.sh
  scripts/build.sh aarch64
  expect_software_arithmetic build-platform-aarch64 aarch64-linux-gnu-nm
  # qemu-user runs one program; a test that starts the companion as a child
  # process needs the kernel to hand aarch64 programs to qemu (binfmt_misc).
  local skip=()
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-aarch64 ]; then
    echo "check-platforms: no binfmt_misc entry for aarch64: the tests that start the companion as a process are left out"
    skip=(-E '(^|/)(Award)?Companion(Failure|Malformed)?\.|^calc_model_vectors$')
  fi
  ctest --test-dir build-platform-aarch64 --output-on-failure -j "$jobs" "${skip[@]}"
}

configs=("$@")
[ ${#configs[@]} -gt 0 ] || configs=(soft ld64 aarch64)
for config in "${configs[@]}"; do
  case "$config" in
    soft | ld64 | aarch64) "check_$config" ;;
    *) echo "usage: $0 [soft|ld64|aarch64]..." >&2; exit 2 ;;
  esac
done
echo "check-platforms: ${configs[*]}: all tests passed"
