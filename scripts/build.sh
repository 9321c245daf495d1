#!/usr/bin/env bash
# Configures and builds one of the two build trees: "win" (the programs and their Wine tests,
# cross-built with mingw-w64) or "native" (the logic tests). Usage: scripts/build.sh win|native
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=$1
build=${DEK_BUILD_DIR:-$root/build}/$kind
args=(-S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release)
[ "$kind" = win ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake")
[ -f "$build/CMakeCache.txt" ] || cmake "${args[@]}" >/dev/null
cmake --build "$build"
