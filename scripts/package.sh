#!/usr/bin/env bash
# Makes the release a Windows user downloads: builds Kestrel99.exe in both
# Windows builds (Release) and writes dist/Kestrel99-<version>-win32.zip and
# dist/Kestrel99-<version>-win64.zip, each holding the program and a plain
# read-me for Windows users (resources/package/README.txt).
#
#   scripts/package.sh                 build both programs, then pack them
#   scripts/package.sh --prebuilt DIR  pack DIR/win32/Kestrel99.exe and
#                                      DIR/win64/Kestrel99.exe as they are
#   --out DIR                          write the zips to DIR, not dist/
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
builds="$root/build"
out="$root/dist"
build=1

fail() { echo "package: $*" >&2; exit 1; }

while [ $# -gt 0 ]; do
  case "$1" in
    --prebuilt) [ $# -ge 2 ] || fail "--prebuilt needs a folder"; builds=$2; build=0; shift 2 ;;
    --out) [ $# -ge 2 ] || fail "--out needs a folder"; out=$2; shift 2 ;;
    -h|--help) sed -n '2,10s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) fail "unknown argument '$1' (see --help)" ;;
  esac
done

version=$(sed -n 's/^project(Kestrel99 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || fail "no project version in CMakeLists.txt"

if [ "$build" -eq 1 ]; then
  "$root/scripts/install-deps.sh"
  cd "$root"
  for preset in win32 win64; do
    echo "== build: $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target Kestrel99
  done
fi
command -v zip >/dev/null 2>&1 || fail "zip is missing (scripts/install-deps.sh installs it)"

# The machine a PE program is built for, as four hex digits ("014c" for
# 32-bit x86, "8664" for x64), or nothing when the file is not a program.
pe_machine() {
  local bytes
  read -ra bytes < <(od -An -v -t u1 -N 64 "$1" 2>/dev/null | tr '\n' ' ') || true
  [ "${#bytes[@]}" -eq 64 ] && [ "${bytes[0]}" -eq 77 ] && [ "${bytes[1]}" -eq 90 ] || return 0
  local header=$((bytes[60] | bytes[61] << 8 | bytes[62] << 16 | bytes[63] << 24))
  read -ra bytes < <(od -An -v -t u1 -j "$header" -N 6 "$1" 2>/dev/null | tr '\n' ' ') || true
  [ "${#bytes[@]}" -eq 6 ] && [ "${bytes[*]:0:4}" = "80 69 0 0" ] || return 0
  printf '%02x%02x\n' "${bytes[5]}" "${bytes[4]}"
}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out"
out=$(cd "$out" && pwd)

targets=(win32:014c:32-bit win64:8664:64-bit)
# Every program is looked at before any zip is written, so a refusal
# leaves no half of a release behind.
for target in "${targets[@]}"; do
  IFS=: read -r name machine bits <<<"$target"
  program="$builds/$name/Kestrel99.exe"
  [ -f "$program" ] || fail "$program is missing"
  # A 64-bit program in the 32-bit zip would not even start where that zip
  # is meant for.
  [ "$(pe_machine "$program")" = "$machine" ] || fail "$program is not a $bits Windows program"
done

for target in "${targets[@]}"; do
  IFS=: read -r name machine bits <<<"$target"
  mkdir "$stage/$name"
  cp "$builds/$name/Kestrel99.exe" "$stage/$name/Kestrel99.exe"
  # Notepad before Windows 10 shows a text without CR LF on one line.
  sed -e 's/\r$//' -e "s/@VERSION@/$version/g" -e "s/@BUILD@/$bits/g" -e 's/$/\r/' \
    "$root/resources/package/README.txt" >"$stage/$name/README.txt"

  zipfile="$out/Kestrel99-$version-$name.zip"
  # zip adds to an archive that is already there; start from none, and put
  # the finished one in place at once.
  (cd "$stage/$name" && zip -q -X -D "$stage/$name.zip" Kestrel99.exe README.txt)
  mv -f "$stage/$name.zip" "$zipfile"
  echo "package: $zipfile"
done
