#!/usr/bin/env bash
# Builds the presets host, host-asan, mingw64 and mingw32, runs the tests of the first three
# (mingw64 under wine64) and ends with the summary of them all. Non-zero on any failure.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
bash scripts/install-deps.sh || exit 1

failed_builds=()
for preset in host host-asan mingw64 mingw32; do
  echo "=== build $preset"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
    failed_builds+=("$preset")
  fi
done

bash scripts/wine-session.sh start
trap 'bash scripts/wine-session.sh stop' EXIT

total_passed=0
total_failed=0
for preset in host host-asan mingw64; do
  echo "=== test $preset"
  log=$(mktemp)
  ctest --preset "$preset" 2>&1 | tee "$log"
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$summary" ]; then
    total_failed=$((total_failed + 1))
  else
    all=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
    total_passed=$((total_passed + all - bad))
    total_failed=$((total_failed + bad))
  fi
  rm -f "$log"
done

echo
for preset in "${failed_builds[@]}"; do echo "build failed: $preset"; done
echo "All presets: $total_passed passed, $total_failed failed"
[ ${#failed_builds[@]} -eq 0 ] && [ "$total_failed" -eq 0 ]
