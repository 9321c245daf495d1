#!/usr/bin/env bash
# Configures and builds one of the three build trees: "win" (the programs and their Wine tests,
# cross-built with mingw-w64), "native" (the logic tests) or "sanitize" (the logic tests under
# ASan/UBSan and the fuzz targets, built with clang). Usage: scripts/build.sh win|native|sanitize
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=$1
build=${DEK_BUILD_DIR:-$root/build}/$kind
args=(-S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release)
case $kind in
  win) args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake") ;;
  # Unoptimised, GoogleTest and the tests build in a third of the time; tests/fuzz optimises what it fuzzes.
  sanitize) args+=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_RELEASE=-O0 -DDEK_SANITIZE=ON) ;;
esac
[ -f "$build/CMakeCache.txt" ] || cmake "${args[@]}" >/dev/null
cmake --build "$build"
