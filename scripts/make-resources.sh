#!/usr/bin/env bash
# Redraws the icons, the splash picture and the button glyphs in resources/.
# The results are committed, so only run this after changing the art in
# resources/generator/. Needs only a host C++20 compiler.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/resource-generator"
cxx=${CXX:-g++}

if ! command -v "$cxx" >/dev/null 2>&1; then
  echo "make-resources: no C++ compiler '$cxx' (install g++ or set CXX)" >&2
  exit 1
fi

mkdir -p "$build"
"$cxx" -std=c++20 -O2 -Wall -Wextra -o "$build/draw_resources" "$root"/resources/generator/*.cpp
"$build/draw_resources" "$root/resources"
