#!/usr/bin/env bash
# Builds everything and runs every test layer: native logic tests (also under ASan/UBSan, with a
# short run of every fuzz target), then the Windows tests of the wrappers and the end-to-end tests
# of both programs under Wine. Exits non-zero on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup-deps.sh" || exit 1
build=${DEK_BUILD_DIR:-$root/build}

status=0
echo "== native logic tests, with gcc and with clang under ASan/UBSan"
# The two native trees build side by side, one compile each.
CMAKE_BUILD_PARALLEL_LEVEL=1 "$root/scripts/build.sh" native & native_build=$!
CMAKE_BUILD_PARALLEL_LEVEL=1 "$root/scripts/build.sh" sanitize || exit 1
wait $native_build || exit 1
ctest --test-dir "$build/native" --output-on-failure -j2 || status=1
ctest --test-dir "$build/sanitize" --output-on-failure -j2 || status=1

echo "== Windows tests under Wine"
"$root/scripts/build.sh" win || exit 1
# The Wine tests mostly wait on windows and processes, so the fuzz smoke runs beside them, on one
# core, instead of adding its seconds to the run.
DEK_FUZZ_JOBS=1 "$root/scripts/fuzz.sh" >"$build/fuzz-smoke.log" 2>&1 & fuzz_smoke=$!
export WINEPREFIX=$build/win/wineprefix
source "$root/scripts/wine-env.sh"
trap dek_end_what_was_started EXIT
# The test programs are asked for their tests under Wine, which can time out on a loaded machine:
# every program must have listed some, or the run fails instead of quietly running fewer.
listing=$(ctest --test-dir "$build/win" -N 2>&1) || status=1
for list in "$build"/win/tests/*/*_tests.cmake; do
  grep -q add_test "$list" || { echo "No tests listed in $list"; status=1; }
done
grep -E "Error|NOT_BUILT" <<<"$listing" && status=1
# One prefix, one server: the Wine tests run one at a time.
ctest --test-dir "$build/win" --output-on-failure --no-tests=error -j1 || status=1
# The tests' server and screen end here (a developer's own stay); the fuzz smoke needs neither.
dek_end_what_was_started

echo "== fuzz smoke (run beside the Wine tests)"
wait $fuzz_smoke || status=1
cat "$build/fuzz-smoke.log"

exit $status
