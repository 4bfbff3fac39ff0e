#!/usr/bin/env bash
# Installs what the build, the program and the tests need on a Debian 12 machine.
# Idempotent: does nothing when every package is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest zlib1g-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  mingw-w64-tools libz-mingw-w64-dev
  wine wine64 wine32:i386 fonts-wine
  xvfb x11-utils xdotool imagemagick xclip
  # the release zips (scripts/package.sh) and their check
  zip unzip
  # clang and its runtime libraries (libFuzzer) for the fuzz targets
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
