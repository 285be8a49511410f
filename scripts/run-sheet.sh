#!/usr/bin/env bash
# Runs mochi-sheet of the host build with the given arguments (./mochi run builds it first).
# Unless the arguments name an output file, the worksheet is also saved as out/worksheet.doc.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
arguments=("$@")
for argument in "$@"; do
  case "$argument" in
    -o | --output | --output=* | --help) exec "$top/build/host/src/cli/mochi-sheet" "$@" ;;
  esac
done
mkdir -p "$top/out"
exec "$top/build/host/src/cli/mochi-sheet" "${arguments[@]}" -o "$top/out/worksheet.doc"
