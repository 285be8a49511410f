#!/usr/bin/env bash
# Prints the figures of mochi.exe under wine64: the sizes of the i686 and x86_64 programs, the
# start-up time to the shown window, and one generation's time against the test Word in process
# and as a local server. Builds the mingw presets first.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
for preset in mingw64 mingw32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target mochi >/dev/null
done
cmake --build --preset mingw64 --target mochi_wine_timing >/dev/null
echo "mochi.exe i686:   $(stat -c %s build/mingw32/src/app/mochi.exe) bytes"
echo "mochi.exe x86_64: $(stat -c %s build/mingw64/src/app/mochi.exe) bytes"
bash scripts/wine-session.sh start
trap 'bash scripts/wine-session.sh stop' EXIT
bash scripts/wine-run.sh build/mingw64/tests/wine/mochi_wine_timing.exe
