#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt that are missing,
# and the Italian locale the tests read the decimal separator from.
# Runs apt-get as root, or through sudo when the caller is not root.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
while read -r pkg; do
  case "$pkg" in ''|'#'*) continue ;; esac
  # One line per installed architecture (multiarch); any installed one will do.
  dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -qx 'install ok installed' || missing+=("$pkg")
done < "$here/packages.txt"

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'it_IT.utf8'; then
  echo "Generating the it_IT.UTF-8 locale"
  as_root localedef -i it_IT -f UTF-8 it_IT.UTF-8
fi
