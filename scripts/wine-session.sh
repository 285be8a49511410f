#!/usr/bin/env bash
# start | stop: the private wine prefix's server, kept running while the tests run.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${MOCHI_WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml=
export DISPLAY=${MOCHI_DISPLAY:-:87}
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
case "${1:-}" in
  start)
    bash "$here/xvfb-session.sh" start
    mkdir -p "$WINEPREFIX"
    "$wineserver" -p || true  # already running
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
    bash "$here/wine-settings.sh"
    ;;
  stop)
    "$wineserver" -k 2>/dev/null || true
    bash "$here/xvfb-session.sh" stop
    ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
