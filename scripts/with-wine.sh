#!/usr/bin/env bash
# Runs a command inside a private Wine session: its own Xvfb display, a Wine
# prefix made fresh for this run under build/, Wine's virtual desktop, and a
# persistent wineserver. Everything it started is stopped on the way out;
# nothing it did not create is touched.
#
#   scripts/with-wine.sh COMMAND [ARGS...]
#
# Inside COMMAND, DISPLAY, WINEPREFIX and KESTREL_WINE_SESSION are set.
# KESTREL_PREFIX_DIR overrides where the prefix lives (default build/wineprefix).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)

prefix=${KESTREL_PREFIX_DIR:-$root/build/wineprefix}
mkdir -p "$(dirname "$prefix")"
rm -rf "$prefix"

xvfb_pid=""
cleanup() {
  set +e
  if [ -n "${WINEPREFIX:-}" ] && [ "$WINEPREFIX" = "$prefix" ]; then
    WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
    WINEPREFIX="$prefix" wineserver -w >/dev/null 2>&1
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 && wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT INT TERM

# Xvfb picks a free display number itself and reports it on a file descriptor.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.1
done
[ -s "$displayfile" ] || { echo "with-wine: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$displayfile")"
rm -f "$displayfile"

# Wine names files in the Unix locale's character set: under a locale that is
# not UTF-8 (none at all, in a bare environment) a file name outside ASCII can
# be neither made nor found. C.UTF-8 is on every Debian machine, and a fixed
# locale also keeps Wine's own captions the same whoever runs the tests.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE

export WINEPREFIX="$prefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# The 32-bit loader only works where the kernel runs 32-bit code.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINELOADER=/usr/lib/wine/wine64
fi

echo "with-wine: display $DISPLAY, prefix $WINEPREFIX"
wine64 () { /usr/lib/wine/wine64 "$@"; }
wine64 wineboot -i >/dev/null 2>&1 || true
# Wine's own desktop avoids the stall Wine has hiding captioned windows
# without a window manager. The desktop named "shell" also gets a taskbar
# with a notification area, so tray icons show up in screenshots.
desktop=shell
wine64 reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$desktop" /f >/dev/null 2>&1
wine64 reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$desktop" /d 1280x1024 /f >/dev/null 2>&1
# No sound server runs here: with no audio driver Wine reports no sound
# device quietly instead of printing ALSA errors.
wine64 reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1
# KESTREL_DPI sets the display scale the session runs at (96 is 100 %).
if [ -n "${KESTREL_DPI:-}" ]; then
  wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$KESTREL_DPI" /f >/dev/null 2>&1
fi
wineserver -w
wineserver -p
# Start the desktop ourselves, detached from our output: a desktop started by
# the first test program would inherit that program's output pipe and keep
# the test runner waiting for it.
wine64 explorer.exe /desktop="$desktop",1280x1024 </dev/null >/dev/null 2>&1 &
for _ in $(seq 50); do
  xwininfo -root -tree 2>/dev/null | grep -q "$desktop - Wine desktop" && break
  sleep 0.2
done
export KESTREL_WINE_SESSION=1

set +e
"$@"
rc=$?
exit $rc
