#!/usr/bin/env bash
# Configures and builds one of the build trees: "win" (the programs and their Wine tests,
# cross-built with mingw-w64), "native" (the logic tests), "sanitize" (the logic tests under
# ASan/UBSan and the fuzz targets, built with clang) or "win-bench" (the programs and the
# benchmark's programs). Usage: scripts/build.sh win|native|sanitize|win-bench
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=$1
build=${DEK_BUILD_DIR:-$root/build}/$kind
args=(-S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release)
mingw=-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
case $kind in
  native) args+=(-DDEK_BUILD_BENCH=OFF) ;;
  win) args+=("$mingw" -DDEK_BUILD_BENCH=OFF) ;;
  win-bench) args+=("$mingw" -DDEK_BUILD_TESTS=OFF) ;;
  # Unoptimised, GoogleTest and the tests build in a third of the time; tests/fuzz optimises what it fuzzes.
  sanitize) args+=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_RELEASE=-O0 -DDEK_SANITIZE=ON -DDEK_BUILD_BENCH=OFF) ;;
  *) echo "usage: $0 win|native|sanitize|win-bench" >&2; exit 2 ;;
esac
# Configured again whenever the flags differ from the ones the tree was configured with.
flags="${args[*]}"
if [ ! -f "$build/CMakeCache.txt" ] || [ "$(cat "$build/.dek-flags" 2>/dev/null)" != "$flags" ]; then
  cmake "${args[@]}" >/dev/null
  echo "$flags" >"$build/.dek-flags"
fi
cmake --build "$build"
