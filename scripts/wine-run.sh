#!/usr/bin/env bash
# Runs a Windows program under wine64 in the project's private prefix (tests use this as their
# emulator). The prefix is made on first use; scripts/wine-session.sh keeps a wineserver running
# so that each run does not pay for starting one.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${MOCHI_WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export DISPLAY=${MOCHI_DISPLAY:-:87}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec /usr/lib/wine/wine64 "$@"
