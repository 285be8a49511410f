#!/usr/bin/env bash
# Runs mochi-sheet of the host build with the given arguments (./mochi run builds it first).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exec "$top/build/host/src/cli/mochi-sheet" "$@"
