#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it the
# way a distribution would: desktop-file-validate, appstreamcli, man and
# lintian (errors fail, warnings are printed); then unpacks it into a
# temporary root (dpkg -x), and also installs the build with
# `cmake --install --prefix`, and in each tree runs the companion on the
# worked example and with --version, and starts the window program under a
# virtual X display until its main window has painted, then closes it.
#   scripts/check-package.sh [BUILD_DIR]   (default: build, as ./test makes it)
# Needs the packages of scripts/packages.txt (lintian, appstream,
# desktop-file-utils, dpkg-dev, man-db, xvfb, xdotool, imagemagick,
# librsvg2-bin).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
title='Calcolo percentuali di discordanza'

work=$(mktemp -d)
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

# 1. The package: configure (adds the packaging rules to an older build
# folder), build what it holds, and let CPack make the .deb in $work.
cmake "$build" >/dev/null
cmake --build "$build" --target discordanza discordanza-cli discordanza_compressed_docs
(cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/deb/discordanza_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "CPack made no single discordanza_*.deb"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

# The scalable icon is the drawing of assets/make_icons.py as committed.
/usr/bin/python3 "$root/assets/make_icons.py" "$work/icons"
cmp "$work/icons/hicolor/scalable/apps/example.calmora.discordanza.svg" \
  "$root/assets/icons/hicolor/scalable/apps/example.calmora.discordanza.svg" ||
  fail "assets/icons differ from what assets/make_icons.py draws; run it and commit"

# 2. lintian: errors fail, everything else is shown.
lintian_status=0
lintian_output=$(lintian --fail-on error --display-info "$deb" 2>&1) || lintian_status=$?
lintian_output=$(grep -v 'running with root privileges' <<<"$lintian_output" || true)
echo "lintian (errors, warnings and notes): ${lintian_output:-none}"
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"

# 3. The two trees: the package unpacked, and cmake --install.
dpkg -x "$deb" "$work/deb-root"
cmake --install "$build" --prefix "$work/install" >/dev/null
diff <(cd "$work/deb-root/usr" && find . -type f | sort) \
  <(cd "$work/install" && find . -type f | sort) ||
  fail "the package and cmake --install install different files"

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
  for page in "$prefix"/share/man/man1/*.1.gz "$prefix"/share/man/it/man1/*.1.gz; do
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
  [ "$got" = "discordanza-cli $version" ] || fail "$cli --version printed '$got', not 'discordanza-cli $version'"
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
  echo "  companion: worked example and --version ($version) as expected"
  check_window "$prefix"
done
echo "check-package: all checks passed"
