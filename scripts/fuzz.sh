#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 25) from its committed seed corpus. Exits non-zero
# when a target crashes or a sanitizer reports a fault; the input that did
# it is left in build/fuzz/findings.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
cd "$root"

seconds=${FUZZ_SECONDS:-25}
cmake --preset fuzz >/dev/null || exit 1
cmake --build --preset fuzz -j 2 || exit 1

status=0
for target in settings picture; do
  work="build/fuzz/corpus/$target"
  findings="build/fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  echo "== fuzz: $target for ${seconds}s"
  # New inputs go to the scratch corpus, so the committed seeds stay as
  # they are; the output is long, only its end matters.
  if ! "build/fuzz/tests/fuzz/${target}_fuzzer" -max_total_time="$seconds" -max_len=2048 \
      -artifact_prefix="$findings/" -print_final_stats=1 "$work" "tests/fuzz/corpus/$target" \
      >"build/fuzz/$target.log" 2>&1; then
    tail -n 40 "build/fuzz/$target.log"
    echo "fuzz: $target FAILED; inputs in $findings"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "build/fuzz/$target.log"
    echo "fuzz: $target passed"
  fi
done
exit $status
