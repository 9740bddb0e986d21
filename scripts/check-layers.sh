#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# Fails when a folder includes from a layer above it. The layers, bottom to
# top, each using only those below:
#   calc/        the numbers; no Qt
#   award/       the award check in exact arithmetic; no Qt
#   report/      the report's lines, RTF writer, file writer and export; no Qt
#   form/        the six fields and their rules, for the window and the page; no Qt
#   app/         the frame: application object, error boundary and box, modal showing,
#                on the form's caption and full-stop rules
#   ui/          the windows and dialogs
#   program/     main of the window program, the only place that knows every layer
#   cli/         the command-line companion, on calc, the plain report and the form's rules
#   web/         the web edition, on the form, calc and the plain report
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# The layers each folder may include from; the folders that may use Qt.
declare -A allowed=(
  [calc]="calc"
  [award]="calc award"
  [report]="calc award report"
  [form]="calc award report form"
  [app]="calc form app"
  [ui]="calc award report form app ui"
  [program]="calc award report form app ui"
  [cli]="calc award report form cli"
  [web]="calc award report form web"
)
declare -A qt=([app]=1 [ui]=1 [program]=1)

failures=0
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  files=$(git ls-files --cached --others --exclude-standard -- "$folder" | grep -E '\.(h|cpp)$' || true)
  for file in $files; do
    while IFS= read -r include; do
      top=${include%%/*}
      ok=false
      for layer in ${allowed[$folder]}; do [ "$top" = "$layer" ] && ok=true; done
      if ! $ok; then
        echo "layers: $file includes \"$include\", above its layer" >&2
        failures=$((failures + 1))
      fi
    done < <(sed -n 's/^#include "\([^"]*\/[^"]*\)".*/\1/p' "$file")
    if [ -z "${qt[$folder]:-}" ] && grep -qE '^#include <Q' "$file"; then
      echo "layers: $file includes a Qt header; $folder/ is plain C++" >&2
      failures=$((failures + 1))
    fi
  done
done
if [ "$failures" -gt 0 ]; then
  echo "layers: $failures includes point upward" >&2
  exit 1
fi
echo "Layer check: every include points down."
