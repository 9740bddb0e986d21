#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# Installs what the cross-platform checks need and is missing: the aarch64
# cross compiler, the user-mode emulator, and the arm64 builds of GoogleTest
# and libcsv through Debian's multiarch (adding the arm64 architecture once).
# Runs apt-get as root, or through sudo when the caller is not root.
set -euo pipefail

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" = "install ok installed" ]
}

wanted=(g++-aarch64-linux-gnu qemu-user libgtest-dev:arm64 libgmock-dev:arm64 libcsv-dev:arm64)
missing=()
for pkg in "${wanted[@]}"; do
  installed "$pkg" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  echo "Adding the arm64 architecture"
  as_root dpkg --add-architecture arm64
fi
echo "Installing: ${missing[*]}"
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
