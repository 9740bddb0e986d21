#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Checks the Debian packages the way a distribution would, and both programs
# as installed:
#   - lintian on the .changes: no error and no warning (info tags are shown);
#   - the companion's package pulls in no Qt;
#   - the package's files are those of `cmake --install`, less what debhelper
#     adds (documentation, compressed manual pages);
#   - in the packages unpacked (dpkg -x) and in a stripped `cmake --install`
#     tree: desktop-file-validate, appstreamcli and man --warnings; the
#     companion on the worked example and its --version; the window program
#     started under a virtual X display until its main window has painted,
#     then closed with Alt+E;
#   - the install tree's uninstall, through its install_manifest.txt.
#   scripts/check-package.sh [DEB_DIR [BUILD_DIR]]
# DEB_DIR holds the .debs and the .changes (default build-deb, as
# scripts/check-reproducible.sh leaves them); BUILD_DIR is a configured build
# (default build, as ./test makes it).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
debs_dir=$(cd "${1:-$root/build-deb}" && pwd)
build=$(cd "${2:-$root/build}" && pwd)
title='Calcolo percentuali di discordanza'

work=$(mktemp -d)
xvfb=
manifest=$build/install_manifest.txt
# The install below rewrites the build folder's list of installed files; a
# user's own list (their per-user install) is put back afterwards.
[ -f "$manifest" ] && cp -p "$manifest" "$work/user_manifest.txt"
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  if [ -f "$work/user_manifest.txt" ]; then cp -p "$work/user_manifest.txt" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

# 1. The packages and lintian.
changes=("$debs_dir"/*.changes)
[ ${#changes[@]} -eq 1 ] && [ -f "${changes[0]}" ] || fail "no single .changes in $debs_dir"
window_deb=$(ls "$debs_dir"/discordanza_*.deb)
cli_deb=$(ls "$debs_dir"/discordanza-cli_*.deb)
version=$(dpkg-deb -f "$cli_deb" Version)
upstream=${version%-*}
for deb in "$debs_dir"/*.deb; do
  echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
done
echo "discordanza Depends: $(dpkg-deb -f "$window_deb" Depends)"
echo "discordanza-cli Depends: $(dpkg-deb -f "$cli_deb" Depends)"
if dpkg-deb -f "$cli_deb" Depends | grep -qi qt; then fail "discordanza-cli depends on Qt"; fi

lintian_status=0
lintian_output=$(lintian --fail-on error,warning --display-info "${changes[0]}" 2>&1) || lintian_status=$?
lintian_output=$(grep -v 'running with root privileges' <<<"$lintian_output" || true)
echo "lintian (errors, warnings and info tags): ${lintian_output:-none}"
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings"

# The scalable icon is the drawing of assets/make_icons.py as committed.
/usr/bin/python3 "$root/assets/make_icons.py" "$work/icons"
cmp "$work/icons/hicolor/scalable/apps/example.calmora.discordanza.svg" \
  "$root/assets/icons/hicolor/scalable/apps/example.calmora.discordanza.svg" ||
  fail "assets/icons differ from what assets/make_icons.py draws; run it and commit"

# 2. The two trees: both packages unpacked, and cmake --install --strip.
dpkg -x "$window_deb" "$work/deb-root"
dpkg -x "$cli_deb" "$work/deb-root"
cmake "$build" >/dev/null
cmake --build "$build" --target discordanza discordanza-cli >/dev/null
cmake --install "$build" --prefix "$work/install" --strip >/dev/null
diff <(cd "$work/deb-root/usr" && find . -type f -not -path './share/doc/*' | sed 's/\.gz$//' | sort) \
  <(cd "$work/install" && find . -type f | sort) ||
  fail "the packages and cmake --install install different files"
for program in "$work/install/bin/discordanza" "$work/install/bin/discordanza-cli"; do
  file -b "$program" | grep -q ', stripped' || fail "cmake --install --strip left $program unstripped"
done

# A virtual X display for the window program, on the first free number.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

check_validators() {
  local prefix=$1 out
  desktop-file-validate "$prefix/share/applications/example.calmora.discordanza.desktop" ||
    fail "desktop-file-validate: $prefix"
  out=$(appstreamcli validate --no-net "$prefix/share/metainfo/example.calmora.discordanza.metainfo.xml" 2>&1) ||
    { echo "$out"; fail "appstreamcli: $prefix"; }
  if grep -Eq '^ *[EW]:' <<<"$out"; then echo "$out"; fail "appstreamcli warns: $prefix"; fi
  for page in "$prefix"/share/man/man1/*.1* "$prefix"/share/man/it/man1/*.1*; do
    out=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$out" ] || { echo "$out"; fail "man warns on $page"; }
  done
}

check_companion() {
  local cli=$1/bin/discordanza-cli expected got
  expected=$'Importo totale dei lavori calcolato: 83028,1500000001\nImporto Impresa meno importo calcolato: 5655716,85\nPercentuale di discordanza: 98,5532002206057 %'
  got=$("$cli" --separator , 2767605 97 5738745) || fail "$cli failed on the worked example"
  [ "$got" = "$expected" ] || fail "$cli on the worked example printed:"$'\n'"$got"
  got=$("$cli" --version) || fail "$cli --version failed"
  [ "$got" = "discordanza-cli $upstream" ] || fail "$cli --version printed '$got', not 'discordanza-cli $upstream'"
}

# The window program on the X11 platform of a virtual display (the offscreen
# platform shows no window that a process outside can find or capture): its
# main window must appear with its title and paint (a captured picture of it
# has hundreds of colours, an unpainted one a single one); Alt+E (Esci) then
# ends it, with exit code 0.
check_window() {
  local program=$1/bin/discordanza pid window= colours=0 status
  LC_ALL=it_IT.UTF-8 QT_QPA_PLATFORM=xcb "$program" &
  pid=$!
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1) && [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$window" ] || { kill "$pid" 2>/dev/null; fail "$program showed no window titled '$title'"; }
  for _ in $(seq 50); do
    colours=$(import -window "$window" png:- 2>/dev/null | identify -format '%k' - 2>/dev/null || echo 0)
    [ "$colours" -ge 16 ] && break
    sleep 0.1
  done
  [ "$colours" -ge 16 ] || { kill "$pid" 2>/dev/null; fail "$program: the main window did not paint"; }
  xdotool windowfocus --sync "$window" key alt+e
  status=0
  timeout 10 tail --pid="$pid" -f /dev/null || { kill "$pid" 2>/dev/null; fail "$program did not end on Alt+E"; }
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$program ended with $status"
  echo "  window painted ($colours colours) and closed with exit code 0"
}

for prefix in "$work/deb-root/usr" "$work/install"; do
  echo "tree ${prefix#"$work"/}:"
  check_validators "$prefix"
  echo "  desktop-file-validate, appstreamcli validate --no-net, man --warnings: clean"
  check_companion "$prefix"
  echo "  companion: worked example and --version ($upstream) as expected"
  check_window "$prefix"
done

# 3. The per-user install's documented uninstall leaves no file behind.
xargs -d '\n' rm -f -- <"$manifest"
left=$(find "$work/install" -type f | wc -l)
[ "$left" -eq 0 ] || fail "uninstalling through install_manifest.txt left $left files"
echo "  uninstall through install_manifest.txt: no file left"
echo "check-package: all checks passed"
