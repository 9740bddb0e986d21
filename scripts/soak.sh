#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Soak of the real window: starts the built program on a virtual X display
# under the openbox window manager, under an Italian locale, and drives it
# with N random events (scripts/soak.py says which and what is checked).
# Fails on a crash, a hang (no answer for 10 s), resident memory growing by
# more than 1 MiB over the second half of the run, or a saved report whose
# results are not the calculation's for its inputs. Prints the events, the
# reports checked and the resident memory at half and at the end.
#   scripts/soak.sh N [SEED [BUILD_DIR]]   (seed 1, build/ by default;
#                                          BUILD_DIR may also come from SOAK_BUILD)
# Needs xvfb, openbox and python3-xlib (installed by scripts/setup.sh all).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
events=${1:?usage: scripts/soak.sh N [SEED [BUILD_DIR]]}
seed=${2:-1}
build=${3:-${SOAK_BUILD:-$root/build}}
program=$build/program/discordanza
cli=$build/cli/discordanza-cli
rtf_text=$build/tests/report/rtf-text  # the tests' RTF reader, which reads the reports back
for binary in "$program" "$cli" "$rtf_text"; do
  [ -x "$binary" ] || { echo "soak: $binary is not built" >&2; exit 1; }
done

scratch=$(mktemp -d)
xvfb=
manager=
passed=false
cleanup() {
  kill $manager 2>/dev/null || true
  kill $xvfb 2>/dev/null || true
  wait 2>/dev/null || true  # the display is free again when the next run starts
  if $passed; then rm -rf "$scratch"; else echo "soak: reports and the program's output kept in $scratch" >&2; fi
}
trap cleanup EXIT

# shellcheck source=scripts/virtual-display.sh
. "$root/scripts/virtual-display.sh"
start_display "$scratch" 1024x768x24 -dpi 96 || { echo "soak: no virtual display" >&2; exit 1; }
start_window_manager "$scratch" || { echo "soak: no window manager" >&2; exit 1; }

if ! /usr/bin/python3 "$root/scripts/soak.py" "$events" "$seed" --program "$program" --cli "$cli" \
    --rtf-text "$rtf_text" --scratch "$scratch"; then
  # Without a window manager the focus stays where it was, and the keys
  # meant for a window that just opened reach another one: say so, since
  # the failure then need not be the program's.
  if ! kill -0 "$manager" 2>/dev/null; then
    echo "soak: openbox ended during the run (see $scratch/openbox.log); what failed after that may not" \
      "be the program's fault" >&2
  fi
  exit 1
fi
passed=true
