#!/usr/bin/env bash
# Test launcher for the Windows builds (CTest's cross-compiling emulator):
#   wine-run.sh 32|64 PROGRAM.exe [ARGS...]
# Exits 77 (reported by CTest as skipped) when this machine cannot run the
# program's architecture, e.g. a kernel with 32-bit emulation turned off.
set -u
bits=$1; shift
if [ -z "${KESTREL_WINE_SESSION:-}" ]; then
  echo "wine-run: run the Windows tests through scripts/with-wine.sh" >&2
  exit 77
fi
# The session's locale, for a caller that runs one test program by hand
# (see with-wine.sh).
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE
if [ "$bits" = 32 ]; then
  if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "SKIPPED: this machine cannot run 32-bit programs (the kernel has 32-bit emulation turned off); the 32-bit build is compiled and linked, and its tests run wherever 32-bit code can run." >&2
    exit 77
  fi
  exec /usr/lib/wine/wine "$@"
fi
exec /usr/lib/wine/wine64 "$@"
