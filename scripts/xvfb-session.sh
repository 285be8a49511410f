#!/usr/bin/env bash
# start | stop: a virtual X screen for the Windows programs run under wine64 by the tests.
# The display is MOCHI_DISPLAY (default :87), 1024 x 768 at 24 bits.
set -euo pipefail
display=${MOCHI_DISPLAY:-:87}
number=${display#:}
pidfile=/tmp/mochi-xvfb-$number.pid
case "${1:-}" in
  start)
    if [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; then exit 0; fi
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$pidfile"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$number" ] && exit 0
      sleep 0.1
    done
    echo "Xvfb did not start on $display" >&2
    exit 1
    ;;
  stop)
    if [ -f "$pidfile" ]; then
      kill "$(cat "$pidfile")" 2>/dev/null || true
      rm -f "$pidfile"
    fi
    ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
