#!/usr/bin/env bash
# Builds the fuzz targets (build tree "sanitize": clang, libFuzzer, ASan and UBSan) and runs each
# for a fixed number of executions, two at a time ($DEK_FUZZ_JOBS), starting from its seed corpus in
# tests/fuzz/corpus.
# Prints per target the executions, the wall time and the result; exits non-zero on any finding.
# Usage: scripts/fuzz.sh [executions-per-target]   (the default is a smoke of a few seconds each)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export runs=${1:-50000}
export build=${DEK_BUILD_DIR:-$root/build}/sanitize root
command -v clang++ >/dev/null || "$root/scripts/setup-deps.sh"
"$root/scripts/build.sh" sanitize >/dev/null || { echo "fuzz: the build failed (scripts/build.sh sanitize)" >&2; exit 1; }
targets=(run_mode settings numeric_text display_record collection_names picture_headers shortcut_plan)
# Inputs the fuzzer finds go to a corpus inside the build tree, so that later runs start from
# them; the committed seeds are only read. Faulty inputs are written under findings/.
mkdir -p "$build/fuzz-logs" "$build/findings"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_one() {
  local target=$1 log=$build/fuzz-logs/$1.log start rc=0
  mkdir -p "$build/fuzz-corpus/$target"
  start=$(date +%s%N)
  "$build/tests/fuzz/fuzz_$target" -runs="$runs" -max_len=1024 -timeout=10 -artifact_prefix="$build/findings/$target-" \
    "$build/fuzz-corpus/$target" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1 || rc=$?
  echo "$rc $(( ($(date +%s%N) - start) / 1000000 ))" >"$build/fuzz-logs/$target.result"
}
export -f run_one
printf '%s\n' "${targets[@]}" | xargs -P"${DEK_FUZZ_JOBS:-2}" -I{} bash -c 'run_one {}'

status=0
printf '%-18s %12s %9s  %s\n' target executions seconds result
for target in "${targets[@]}"; do
  log=$build/fuzz-logs/$target.log
  read -r rc ms <"$build/fuzz-logs/$target.result"
  executions=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log")
  result=ok
  if [ "$rc" != 0 ]; then
    result="FINDING (exit $rc), log: $log"
    status=1
  fi
  printf '%-18s %12s %9s  %s\n' "$target" "${executions:--}" "$(awk "BEGIN { printf \"%.1f\", $ms / 1000 }")" "$result"
done
if [ $status != 0 ]; then
  for target in "${targets[@]}"; do
    read -r rc _ <"$build/fuzz-logs/$target.result"
    [ "$rc" = 0 ] || { echo "== $target"; grep -E 'ERROR|runtime error|property failed|SUMMARY|Test unit written' "$build/fuzz-logs/$target.log"; } >&2
  done
fi
exit $status
