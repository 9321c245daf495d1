#!/usr/bin/env bash
# Builds everything and runs every test layer: native logic tests, then the Windows tests of the
# wrappers and the end-to-end tests of both programs under Wine. Exits non-zero on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup-deps.sh" || exit 1
build=${DEK_BUILD_DIR:-$root/build}

status=0
echo "== native logic tests"
"$root/scripts/build.sh" native || exit 1
ctest --test-dir "$build/native" --output-on-failure -j2 || status=1

echo "== Windows tests under Wine"
"$root/scripts/build.sh" win || exit 1
export WINEPREFIX=$build/win/wineprefix
source "$root/scripts/wine-env.sh"
# One prefix, one server: the Wine tests run one at a time.
ctest --test-dir "$build/win" --output-on-failure -j1 || status=1
wineserver -k 2>/dev/null || true

exit $status
