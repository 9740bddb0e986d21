#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# Configures and builds one configuration of CMakePresets.json:
#   scripts/build.sh PRESET [CMAKE_ARGS...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
preset=$1; shift
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset"
