#!/usr/bin/env bash
# The release zips of scripts/package.sh, made from stand-in programs so the
# check needs no Windows build: each zip holds exactly its own program and a
# read-me a Windows user can open, an old zip of the same name leaves nothing
# behind, and a program of the wrong build is refused.
#
#   package_test.sh <source folder> <project version>
set -uo pipefail

root=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
check() { if ! eval "$2"; then echo "FAILED: $1" >&2; status=1; fi; }

# A file that starts the way a PE program does, for the given machine
# (two bytes, little-endian), with a tag to tell the programs apart.
stand_in() {
  mkdir -p "$(dirname "$1")"
  { printf 'MZ'; head -c 58 /dev/zero; printf '\x40\x00\x00\x00PE\x00\x00%b' "$2"; echo "$3"; } >"$1"
}
stand_in "$work/builds/win32/Kestrel99.exe" '\x4c\x01' 'thirty-two'
stand_in "$work/builds/win64/Kestrel99.exe" '\x64\x86' 'sixty-four'

mkdir -p "$work/dist"
echo stale >"$work/stale.txt"
(cd "$work" && zip -q "dist/Kestrel99-$version-win32.zip" stale.txt)

check "packing the built programs" \
  '"$root/scripts/package.sh" --prebuilt "$work/builds" --out "$work/dist" >/dev/null'
for name in win32 win64; do
  zipfile="$work/dist/Kestrel99-$version-$name.zip"
  bits=$([ "$name" = win32 ] && echo 32-bit || echo 64-bit)
  check "$name zip written" '[ -f "$zipfile" ]'
  check "$name zip holds the program and the read-me, nothing else" \
    '[ "$(unzip -Z1 "$zipfile" | sort | tr "\n" " ")" = "Kestrel99.exe README.txt " ]'
  check "$name zip holds its own program" \
    'unzip -p "$zipfile" Kestrel99.exe | cmp -s - "$work/builds/$name/Kestrel99.exe"'
  readme=$(unzip -p "$zipfile" README.txt)
  check "$name read-me ends every line with CR LF" '! grep -qv $'"'"'\r$'"'"' <<<"$readme"'
  check "$name read-me names the version and the build" \
    'grep -q "version $version, $bits build" <<<"$readme"'
  check "$name read-me says where the settings are" 'grep -qF "%APPDATA%\\Kestrel 99\\kestrel99.ini" <<<"$readme"'
  check "$name read-me says how to start it with Windows" 'grep -qF "shell:startup" <<<"$readme"'
  check "$name read-me has no blanks left to fill" '! grep -q "@[A-Z]*@" <<<"$readme"'
done

# The 32-bit program where the 64-bit one belongs.
mkdir -p "$work/swapped/win32" "$work/swapped/win64" "$work/refused"
cp "$work/builds/win32/Kestrel99.exe" "$work/swapped/win32/"
cp "$work/builds/win32/Kestrel99.exe" "$work/swapped/win64/"
check "a 32-bit program is refused for the 64-bit zip" \
  '! "$root/scripts/package.sh" --prebuilt "$work/swapped" --out "$work/refused" 2>/dev/null'
check "no zip after a refusal" '[ -z "$(ls -A "$work/refused")" ]'
exit $status
