#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Runs `reuse lint` (Debian's reuse tool) and fails unless every file names
# its copyright and licence, in an SPDX header or, where a file cannot carry
# one, in .reuse/dep5; every licence named has its text in LICENSES/, and
# every text there is used.
# New files take the header of the files beside them:
#   SPDX-FileCopyrightText: 2026 Calmora Studio
#   SPDX-License-Identifier: EUPL-1.2
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if ! output=$(reuse lint 2>&1); then
  echo "$output" >&2
  echo "reuse: the tree is not compliant; the files above lack an SPDX header or an entry in .reuse/dep5" >&2
  exit 1
fi
echo "REUSE check: $(grep -E 'Files with license information' <<<"$output" | sed 's/^\* //')"
