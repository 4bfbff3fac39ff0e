#!/usr/bin/env bash
# Builds the benchmarks and runs them under a private Wine session, printing
# their figures. Benchmarks assert nothing; this script fails only when a
# build fails or a benchmark cannot run.
#   scripts/bench.sh
# Builds the win64 preset, and the win32 preset where this machine can run
# 32-bit code, then runs every bench_*.exe of each build.
#   KESTREL_BENCH_BUILD_PREFIX   build folders are <prefix><preset>
#                                (default build/, i.e. build/win64)
#   KESTREL_PREFIX_DIR           the Wine prefix (default build/wineprefix-bench)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
cd "$root"

"$here/install-deps.sh"

presets=(win64)
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  presets+=(win32)
else
  echo "bench: this machine cannot run 32-bit programs; only the 64-bit build is measured."
fi

build_prefix=${KESTREL_BENCH_BUILD_PREFIX:-build/}
for preset in "${presets[@]}"; do
  cmake --preset "$preset" -B "$build_prefix$preset" >/dev/null
  cmake --build "$build_prefix$preset" --target benchmarks
done

# A 3840 x 2160 screen-like picture for the capture bench's X11 rows, which
# xclip hands to Wine's clipboard bridge as image/png and as image/bmp.
x11=$root/build/bench-x11
mkdir -p "$x11"
convert -size 3840x2160 xc:'#dfe3e8' -fill '#3a6ea5' -draw 'rectangle 0,0 3839,40' \
  -fill white -draw 'rectangle 100,100 1900,1500' -fill '#222222' -draw 'rectangle 120,140 1800,160' \
  "$x11/picture.png"
convert "$x11/picture.png" BMP3:"$x11/picture.bmp"
export KESTREL_BENCH_X11_PNG=$x11/picture.png KESTREL_BENCH_X11_BMP=$x11/picture.bmp

KESTREL_PREFIX_DIR=${KESTREL_PREFIX_DIR:-$root/build/wineprefix-bench} "$here/with-wine.sh" bash -c '
  build_prefix=$1; shift
  status=0
  for preset in "$@"; do
    loader=/usr/lib/wine/wine64
    [ "$preset" = win32 ] && loader=/usr/lib/wine/wine
    for exe in "$build_prefix$preset"/bench/bench_*.exe; do
      [ -e "$exe" ] || continue
      echo
      echo "== $(basename "$exe" .exe) ($preset)"
      # Run from the folder of the program, so it finds what lies beside it.
      (cd "$(dirname "$exe")" && "$loader" "./$(basename "$exe")") || { echo "bench: $exe failed" >&2; status=1; }
    done
  done
  exit $status
' _ "$build_prefix" "${presets[@]}"
