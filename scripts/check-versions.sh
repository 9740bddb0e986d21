#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Fails when a file that names the version disagrees with the one upstream
# version, the project() line of the top-level CMakeLists.txt:
#   debian/changelog      newest entry UPSTREAM-REVISION (a Debian revision)
#   the AppStream metainfo the newest <release>
#   man/*.1, man/it/*.1   the .TH header's "discordanza UPSTREAM"
#   publiccode.yml        softwareVersion
#   discordanza-cli       --version, for each program given
#   scripts/check-versions.sh [DISCORDANZA_CLI...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

upstream=$(sed -n 's/^project(discordanza VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$upstream" ] || { echo "versions: no VERSION in the project() line of CMakeLists.txt" >&2; exit 1; }

failures=0
expect() {  # expect WHERE FOUND WANTED_PATTERN [WANTED_TEXT]
  if [[ "$2" =~ ^$3$ ]]; then
    echo "  $1: $2"
  else
    echo "versions: $1 says '$2', not ${4:-$upstream}" >&2
    failures=$((failures + 1))
  fi
}
pattern=${upstream//./\\.}

echo "upstream version (CMakeLists.txt): $upstream"
expect debian/changelog "$(dpkg-parsechangelog -l debian/changelog -S Version)" "$pattern-[0-9]+" "$upstream-REVISION"

newest_release=$(/usr/bin/python3 - packaging/example.calmora.discordanza.metainfo.xml <<'PY'
import sys, xml.etree.ElementTree as ET
from functools import cmp_to_key
import subprocess
releases = [r.get("version") for r in ET.parse(sys.argv[1]).getroot().iter("release")]
def compare(a, b):
    return -1 if subprocess.run(["dpkg", "--compare-versions", a, "lt", b]).returncode == 0 else 1
newest = sorted(releases, key=cmp_to_key(compare))[-1] if releases else ""
# The newest release is listed first, as AppStream wants.
print(newest if releases and releases[0] == newest else "not first: " + newest)
PY
)
expect "metainfo newest release" "$newest_release" "$pattern"

for page in man/*.1 man/it/*.1; do
  expect "$page" "$(sed -n '/^\.TH /{s/^\.TH [^ ]* [^ ]* [^ ]* "discordanza \([^"]*\)".*/\1/p;q}' "$page")" "$pattern"
done

expect publiccode.yml "$(/usr/bin/python3 -c 'import sys, yaml; print(yaml.safe_load(open(sys.argv[1]))["softwareVersion"])' publiccode.yml)" "$pattern"

for cli in "$@"; do
  expect "$cli --version" "$("$cli" --version)" "discordanza-cli $pattern" "discordanza-cli $upstream"
done

if [ "$failures" -gt 0 ]; then
  echo "versions: $failures disagree with $upstream" >&2
  exit 1
fi
echo "Version check: every file names $upstream."
