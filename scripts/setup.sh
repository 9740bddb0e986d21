#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Installs the Debian 12 packages that a job needs and are missing, from the
# lists in scripts/packages/, one package a line:
#   scripts/setup.sh run       building and starting the window (run.txt)
#   scripts/setup.sh web       run, and the WebAssembly toolchain (web.txt)
#   scripts/setup.sh test      run, and the test tools (test.txt)
#   scripts/setup.sh release   web, the package tools (release.txt) and the
#                              package's build dependencies, read from
#                              debian/control (without what its tests need
#                              when DEB_BUILD_OPTIONS has nocheck)
#   scripts/setup.sh all       run, web, test, release and all.txt (browser,
#                              validators, fuzzing), and the package's build
#                              dependencies with its tests
#   scripts/setup.sh fresh     what scripts/check-fresh.sh needs (fresh.txt)
# Jobs add up: `scripts/setup.sh web test` installs both. The test jobs also
# generate the it_IT.UTF-8 locale that the tests read. Runs apt-get as root,
# or through sudo; with neither it names the missing packages and stops.
# Everything it prints, apt-get's log included, goes to standard error, so
# that its callers' standard output stays theirs (./run --web prints there
# the page's path alone).
set -euo pipefail
exec >&2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lists=$root/scripts/packages

usage() { echo "usage: scripts/setup.sh run|web|test|release|all|fresh..." >&2; exit 2; }
[ $# -gt 0 ] || usage

wanted_lists=() build_deps= locale=false
for job in "$@"; do
  case "$job" in
    run) wanted_lists+=(run) ;;
    web) wanted_lists+=(run web) ;;
    test) wanted_lists+=(run test); locale=true ;;
    release)
      wanted_lists+=(run web release)
      if [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]]; then build_deps=${build_deps:-nocheck}; else build_deps=full; fi
      ;;
    all) wanted_lists+=(run web test release all); locale=true; build_deps=full ;;
    fresh) wanted_lists+=(fresh) ;;
    *) usage ;;
  esac
done

# Root's commands run directly, or through sudo; with neither, the set-up
# says in one line what to run as root, and stops.
as_root=()
need_root() {  # need_root COMMAND_TO_SUGGEST
  if [ "$(id -u)" -eq 0 ]; then
    as_root=()
  elif command -v sudo >/dev/null; then
    as_root=(sudo)
  else
    echo "setup: not root and no sudo; as root, run: $1" >&2
    exit 1
  fi
}

# The names that installed packages provide besides their own: a node.js
# build that bundles npm provides npm, and conflicts with Debian's.
provided=$(dpkg-query -W -f='${db:Status-Abbrev}|${Provides}\n' 2>/dev/null |
  sed -n 's/^ii *|//p' | tr ',' '\n' | sed 's/([^)]*)//; s/:.*//; s/^ *//; s/ *$//' | sort -u)

installed() {
  # One line per installed architecture (multiarch); any installed one will do.
  dpkg-query -W -f='${Status}\n' "$1" 2>/dev/null | grep -qx 'install ok installed' ||
    grep -qxF "$1" <<<"$provided"
}

missing=()
for list in $(printf '%s\n' "${wanted_lists[@]}" | awk '!seen[$0]++'); do
  while read -r pkg _; do
    case "$pkg" in '' | '#'*) continue ;; esac
    installed "$pkg" || missing+=("$pkg")
  done <"$lists/$list.txt"
done

if [ ${#missing[@]} -gt 0 ]; then
  need_root "apt-get install ${missing[*]}"
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The package's build dependencies are those of debian/control; the nocheck
# profile leaves out what only its tests need. Without dpkg-checkbuilddeps
# to tell what is missing, apt-get build-dep installs whatever is.
if [ -n "$build_deps" ]; then
  profile=()
  [ "$build_deps" = nocheck ] && profile=(-P nocheck)
  if ! (command -v dpkg-checkbuilddeps >/dev/null && cd "$root" && dpkg-checkbuilddeps "${profile[@]}" 2>/dev/null); then
    need_root "apt-get build-dep ${profile[*]} $root"
    echo "Installing the build dependencies of debian/control ${profile[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q --no-install-recommends "${profile[@]}" "$root"
  fi
fi

if $locale && ! locale -a 2>/dev/null | grep -qix 'it_IT.utf8'; then
  need_root "localedef -i it_IT -f UTF-8 it_IT.UTF-8"
  echo "Generating the it_IT.UTF-8 locale"
  "${as_root[@]}" localedef -i it_IT -f UTF-8 it_IT.UTF-8
fi
