#!/usr/bin/env bash
# start | stop: the private wine prefix's server, kept running while the tests run.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${MOCHI_WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml=
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
case "${1:-}" in
  start)
    mkdir -p "$WINEPREFIX"
    "$wineserver" -p
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
    ;;
  stop)
    "$wineserver" -k 2>/dev/null || true
    ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
