#!/usr/bin/env bash
# Starts the program on a virtual X display, types the third worked example
# into the three input fields and saves a picture of the main window.
#   scripts/screenshot.sh [PROGRAM] [OUTPUT.png]
# Needs xvfb, xdotool and imagemagick (scripts/packages.txt).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/program/discordanza}
output=${2:-$root/docs/main-window.png}
display=:${SCREENSHOT_DISPLAY:-97}

Xvfb "$display" -screen 0 640x480x24 -nolisten tcp &
xvfb=$!
trap 'kill "$program_pid" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

LC_ALL=it_IT.UTF-8 QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name 'Calcolo percentuali di discordanza' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.3

# The focus starts in the base amount; Tab moves to the next input field.
type_field() { xdotool type --delay 30 "$1"; xdotool key Tab; }
type_field 2767605
type_field 97
xdotool type --delay 30 5738745
sleep 0.5
import -window "$window" "$output"
echo "saved $output"
