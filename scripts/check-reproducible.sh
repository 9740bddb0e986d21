#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Builds the binary packages twice, each from its own copy of the tree in a
# folder of a different name and depth, with dpkg-buildpackage: the first
# time with the package's own test suite, which must pass, the second
# without it (DEB_BUILD_OPTIONS=nocheck); fails unless every .deb of the one
# build is byte for byte the .deb of the other. Dates come from
# SOURCE_DATE_EPOCH, which dpkg-buildpackage takes from debian/changelog;
# Debian's build flags map the source folder to "." in the binaries.
# The packages, the .changes and the .buildinfo of the first build are left
# in OUT, for scripts/check-package.sh.
#   scripts/check-reproducible.sh [OUT]   (default: build-deb)
# The copies hold what git lists (committed, changed and new files, none
# that .gitignore names), as a fresh clone with the changes would; the
# second one's files carry another date.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
out=${1:-build-deb}
work=$root/build-reproducible
fail() { echo "check-reproducible: $*" >&2; exit 1; }

rm -rf "$work" "$out"
mkdir -p "$work/first/discordanza" "$work/second/other/place/tree" "$out"
out=$(cd "$out" && pwd)
sources=("$work/first/discordanza" "$work/second/other/place/tree")
for source in "${sources[@]}"; do
  git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --create --file=- | tar --extract --file=- --directory="$source"
done
# Files as a clone made at another time has them: nothing may depend on
# their dates.
find "${sources[1]}" -exec touch --no-dereference --date=2001-02-03T04:05:06 {} +

# The build with the tests, then the one without.
options=("parallel=$(nproc)" "nocheck parallel=$(nproc)")
profiles=("" "-Pnocheck")
start=$SECONDS
for i in 0 1; do
  source=${sources[$i]}
  log=$(dirname "$source")/build.log
  (cd "$source" && DEB_BUILD_OPTIONS=${options[$i]} \
    dpkg-buildpackage -us -uc -b ${profiles[$i]} >"$log" 2>&1) ||
    { tail -n 40 "$log" >&2; fail "dpkg-buildpackage failed in $source (log: $log)"; }
done
seconds=$((SECONDS - start))
tests=$(grep -Eo '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$(dirname "${sources[0]}")/build.log" || true)
[ -n "$tests" ] || fail "the first build ran no tests"

first=$(dirname "${sources[0]}") second=$(dirname "${sources[1]}")
names=$(cd "$first" && ls -- *.deb)
[ -n "$names" ] || fail "the build made no .deb"
[ "$names" = "$(cd "$second" && ls -- *.deb)" ] || fail "the two builds made different packages"
different=0
for deb in $names; do
  if cmp -s "$first/$deb" "$second/$deb"; then
    echo "  $deb: $(stat -c %s "$first/$deb") bytes, the same in both builds ($(sha256sum "$first/$deb" | cut -c1-16)…)"
  else
    echo "  $deb: DIFFERS between the builds; the files that differ inside:" >&2
    mkdir -p "$work/diff/$deb/a" "$work/diff/$deb/b"
    dpkg-deb -R "$first/$deb" "$work/diff/$deb/a"
    dpkg-deb -R "$second/$deb" "$work/diff/$deb/b"
    diff -rq "$work/diff/$deb/a" "$work/diff/$deb/b" >&2 || true
    different=$((different + 1))
  fi
done
[ "$different" -eq 0 ] || fail "$different packages differ between two builds of the same source"

cp "$first"/*.deb "$first"/*.changes "$first"/*.buildinfo "$out"/
rm -rf "$work"
echo "check-reproducible: two builds from two folders, the first with its tests ($tests), $(wc -w <<<"$names") identical packages, in ${seconds}s; kept in $out"
