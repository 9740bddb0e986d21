#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Soak of the real window: starts the built program on a virtual X display
# under the openbox window manager, with a D-Bus session bus and the
# accessibility bus of its own (soak.py finds the widgets over AT-SPI), under
# an Italian locale, and drives it with N random events (scripts/soak.py says
# which and what is checked).
# Fails on a crash, a hang (no answer for 10 s), resident memory growing by
# more than 1 MiB over the second half of the run, a saved report whose
# results are not the calculation's for its inputs (an award report: not the
# companion's for the inputs it shows), or an award window larger than the
# screen. Prints the events, the reports checked and the resident memory at
# half and at the end.
#   scripts/soak.sh N [SEED [BUILD_DIR]]   (seed 1, build/ by default;
#                                          BUILD_DIR may also come from SOAK_BUILD)
# Needs xvfb, openbox, python3-xlib, dbus-daemon, at-spi2-core and
# gir1.2-atspi-2.0 (installed by scripts/setup.sh all).
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
bus=
launcher=
passed=false
cleanup() {
  kill $launcher 2>/dev/null || true  # the accessibility bus ends with its launcher
  kill $bus 2>/dev/null || true
  kill $manager 2>/dev/null || true
  kill $xvfb 2>/dev/null || true
  wait 2>/dev/null || true  # the display is free again when the next run starts
  if $passed; then rm -rf "$scratch"; else echo "soak: reports and the program's output kept in $scratch" >&2; fi
}
trap cleanup EXIT

# shellcheck source=scripts/virtual-display.sh
. "$root/scripts/virtual-display.sh"
# A screen with room for the award window beside the main window.
start_display "$scratch" 1920x1080x24 -dpi 96 || { echo "soak: no virtual display" >&2; exit 1; }
start_window_manager "$scratch" || { echo "soak: no window manager" >&2; exit 1; }

# The accessibility bus, on a session bus of the run's own: a machine without
# a desktop session (CI, as root) has neither, and a desktop's own is left
# alone. The buses' sockets and the launcher's files go into the scratch
# folder. The launcher names the bus on the root window (AT_SPI_BUS) once it
# runs, and the program, asking the session bus for it, must not find it
# missing and start a launcher of its own.
start_accessibility_bus() {
  local folder=$1 address
  export XDG_RUNTIME_DIR=$folder/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" --print-address=3 \
    3>"$folder/session-bus" 2>"$folder/dbus.log" &
  bus=$!
  for _ in $(seq 100); do [ -s "$folder/session-bus" ] && break; sleep 0.1; done
  address=$(head -n1 "$folder/session-bus")
  [ -n "$address" ] || { cat "$folder/dbus.log" >&2; return 1; }
  export DBUS_SESSION_BUS_ADDRESS=$address
  HOME=$folder /usr/libexec/at-spi-bus-launcher --launch-immediately >"$folder/at-spi.log" 2>&1 &
  launcher=$!
  for _ in $(seq 100); do
    xprop -root AT_SPI_BUS 2>/dev/null | grep -q '= "unix:' && return 0
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.1
  done
  echo "the accessibility bus did not start:" >&2
  cat "$folder/at-spi.log" >&2
  return 1
}
start_accessibility_bus "$scratch" || { echo "soak: no accessibility bus" >&2; exit 1; }

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
