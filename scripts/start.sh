#!/usr/bin/env bash
# Builds Kestrel 99 and starts it.
#   scripts/start.sh            build, then run on $DISPLAY, or headless
#   KESTREL_SHOT=file.png       where the headless screenshot goes
# Without a $DISPLAY the program runs on a private Xvfb display; a screenshot
# is written after start-up (build/kestrel99.png by default) and the program
# keeps running until you press Ctrl+C.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
cd "$root"

"$here/install-deps.sh"
cmake --preset win32 >/dev/null && cmake --build --preset win32
cmake --preset win64 >/dev/null && cmake --build --preset win64

# The 32-bit build is the program; where this machine cannot run 32-bit code
# the 64-bit build stands in for it.
exe="$root/build/win32/Kestrel99.exe"
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "start: this machine cannot run 32-bit programs; starting the 64-bit build instead."
  exe="$root/build/win64/Kestrel99.exe"
fi

if [ -n "${DISPLAY:-}" ] && [ -z "${KESTREL_HEADLESS:-}" ]; then
  export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix-desktop}
  export WINEDEBUG=${WINEDEBUG:--all}
  # Wine names files in the locale's character set; keep the user's locale
  # when it is UTF-8, so the program speaks their language, else use C.UTF-8.
  if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then export LANG=C.UTF-8 LC_ALL=C.UTF-8; fi
  exec wine "$exe"
fi

shot=${KESTREL_SHOT:-$root/build/kestrel99.png}
KESTREL_PREFIX_DIR="$root/build/wineprefix-start" "$here/with-wine.sh" bash -c '
  exe=$1; shot=$2
  if [[ "$exe" == *win64* ]]; then /usr/lib/wine/wine64 "$exe" & else /usr/lib/wine/wine "$exe" & fi
  pid=$!
  sleep "${KESTREL_SHOT_DELAY:-8}"
  import -window root "$shot"
  echo "start: Kestrel 99 runs on display $DISPLAY; a screenshot is in $shot"
  if [ -n "${KESTREL_SHOT_ONLY:-}" ]; then kill $pid; exit 0; fi
  echo "start: press Ctrl+C to stop."
  wait $pid
' _ "$exe" "$shot"
