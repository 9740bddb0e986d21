#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# Fails when a C++ file of the project differs from what clang-format makes
# of it under the committed .clang-format; lists the files that do.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bad=()
while IFS= read -r -d '' file; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || bad+=("$file")
done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
if [ ${#bad[@]} -gt 0 ]; then
  printf 'Not formatted (run clang-format -i on them):\n' >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "Format check: every C++ file is formatted."
