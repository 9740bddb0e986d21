#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# Starts the program on a virtual X display under a window manager, types the
# third worked example into the three input fields and saves pictures of each
# window: the main window, the award window, the About window, the error box
# and the save dialog.
#   scripts/screenshot.sh [PROGRAM] [FOLDER]
# The main window, the award window and the About window go to FOLDER
# (docs/ by default) as main-window.png, award-window.png and
# about-window.png; the error box and the save dialog,
# for a look only, to a temporary folder, or to SCREENS_ALL when it is set.
# Needs xvfb, openbox, xdotool and imagemagick (scripts/packages/).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/program/discordanza}
folder=${2:-$root/docs}
others=${SCREENS_ALL:-$(mktemp -d)}
logs=$(mktemp -d)
xvfb=
program_pid=
manager=
trap 'kill $program_pid $manager 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$logs"' EXIT
# shellcheck source=scripts/virtual-display.sh
. "$root/scripts/virtual-display.sh"
start_display "$logs" 800x600x24
start_window_manager "$logs"

LC_ALL=it_IT.UTF-8 QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!

# The id of the first window whose name matches, once it shows.
find_window() {
  local found=
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] || { echo "no window named $1 appeared" >&2; exit 1; }
  echo "$found"
}

# A window with its frame, as the user sees it.
snap() {
  local frame root
  frame=$(xwininfo -id "$1" -children | awk '/Parent window id/ {print $4}')
  root=$(xwininfo -root | awk '/Window id/ {print $4}')
  if [ -n "$frame" ] && [ "$frame" != "$root" ]; then
    import -window "$frame" "$2"
  else
    import -window "$1" "$2"
  fi
  echo "saved $2"
}

main=$(find_window 'Calcolo percentuali di discordanza')
xdotool windowfocus --sync "$main"
sleep 0.3

# The focus starts in the base amount; Tab moves to the next input field.
type_field() { xdotool type --delay 30 "$1"; xdotool key Tab; }
type_field 2767605
type_field 97
xdotool type --delay 30 5738745
sleep 0.5
snap "$main" "$folder/main-window.png"

# The award check of the same figures, with safety costs of 30.000.
xdotool key alt+v
award=$(find_window "^Verifica dell'aggiudicazione")
sleep 0.5
xdotool type --delay 30 30000
sleep 0.5
snap "$award" "$folder/award-window.png"
xdotool key alt+s
dialog=$(find_window 'Esporta i dati')
sleep 0.5
snap "$dialog" "$others/award-save-dialog.png"
xdotool key Escape
sleep 0.3
xdotool key Escape
xdotool windowfocus --sync "$main"
sleep 0.3

xdotool key alt+a
about=$(find_window '^Calmora - ')
sleep 0.5
import -window "$about" "$folder/about-window.png"
echo "saved $folder/about-window.png"
xdotool key c
sleep 0.3

xdotool key alt+s
dialog=$(find_window 'Esporta i dati')
sleep 0.5
snap "$dialog" "$others/save-dialog.png"
xdotool key Escape
sleep 0.3

# A contractor's total of zero brings up the error box.
xdotool windowfocus --sync "$main"
xdotool key End
for _ in $(seq 10); do xdotool key BackSpace; done
xdotool key 0
box=$(find_window '^[Dd]iscordanza$')
sleep 0.3
snap "$box" "$others/error-box.png"
xdotool key Return
