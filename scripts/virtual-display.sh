# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
# shellcheck shell=bash disable=SC2034  # xvfb and manager are the caller's
#
# Sourced by the scripts that drive the window program on a virtual X
# display. Both functions write their processes' ids to xvfb and manager,
# for the caller's clean-up, and their logs into the folder they are given.

# start_display FOLDER WIDTHxHEIGHTxDEPTH [XVFB_OPTION...]: starts Xvfb on a
# number it finds free itself (it tries the sockets, which another server's
# lock file, in another /tmp, need not show) and exports DISPLAY. -noreset:
# the server would reset when its only client leaves, and drop a window
# manager as it connects.
start_display() {
  local folder=$1 screen=$2 number
  shift 2
  Xvfb -displayfd 3 -screen 0 "$screen" "$@" -nolisten tcp -noreset 3>"$folder/display" \
    2>"$folder/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
  if ! [ -s "$folder/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$folder/xvfb.log" >&2
    return 1
  fi
  number=$(head -n1 "$folder/display")
  export DISPLAY=":$number"
}

# Starts openbox and waits up to 30 s for it to name itself on the root
# window, as a window manager does once it has claimed the screen.
start_openbox_once() {
  openbox >>"$1/openbox.log" 2>&1 &
  manager=$!
  for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id #' && return 0
    kill -0 "$manager" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# start_window_manager FOLDER: openbox on DISPLAY. It is not what is under
# test: one that did not come up is said, and started once more before the
# caller gives up.
start_window_manager() {
  local folder=$1 state
  start_openbox_once "$folder" && return 0
  if kill -0 "$manager" 2>/dev/null; then state="still running"; else state="ended"; fi
  echo "openbox did not claim $DISPLAY ($state); starting it again" >&2
  kill "$manager" 2>/dev/null || true
  wait "$manager" 2>/dev/null || true
  start_openbox_once "$folder" && return 0
  echo "openbox did not start on $DISPLAY:" >&2
  cat "$folder/openbox.log" >&2
  return 1
}
