#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively (with
# AddressSanitizer and UBSan), then the Win32 and end-to-end tests of both
# Windows builds under a private Wine session. Exits non-zero when any test
# fails or any build breaks.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
cd "$root"

"$here/install-deps.sh" || exit 1

jobs=$(nproc 2>/dev/null || echo 2)
for preset in host win32 win64; do
  echo "== build: $preset"
  cmake --preset "$preset" >/dev/null || exit 1
  cmake --build --preset "$preset" -j "$jobs" || exit 1
done

logs="$root/build/test-logs"
mkdir -p "$logs"
status=0

echo "== tests: host"
ctest --preset host -j "$jobs" 2>&1 | tee "$logs/host.log"
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

echo "== fuzz: settings file reader"
"$here/fuzz.sh" 2>&1 | tee "$logs/fuzz.log"
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

echo "== tests: win32 and win64 under Wine"
"$here/with-wine.sh" bash -c '
  rc=0
  for preset in win32 win64; do
    echo "== tests: $preset"
    ctest --preset "$preset" 2>&1 | tee "$1/$preset.log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || rc=1
  done
  exit $rc
' _ "$logs" || status=1

# Counts test cases: the "run <program>" entries of the Windows builds only
# run a test program whose cases are reported one by one.
passed=0; failed=0; skipped=0
for log in "$logs"/host.log "$logs"/win32.log "$logs"/win64.log; do
  [ -f "$log" ] || continue
  cases=$(grep -E 'Test +#[0-9]+: ' "$log" | grep -vE 'Test +#[0-9]+: run ')
  passed=$((passed + $(grep -cE ' Passed' <<<"$cases")))
  failed=$((failed + $(grep -cE '\*\*\*(Failed|Timeout|Exception|Not Run)' <<<"$cases")))
  skipped=$((skipped + $(grep -cE '\*\*\*Skipped' <<<"$cases")))
done
[ "$failed" -eq 0 ] || status=1
echo
[ "$skipped" -eq 0 ] || echo "Skipped tests are the 32-bit build's where this machine cannot run 32-bit code."
echo "total: $passed passed, $failed failed, $skipped skipped"
exit $status
