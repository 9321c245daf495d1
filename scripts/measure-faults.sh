#!/usr/bin/env bash
# Measures which planted faults the test suite catches. For each fault of scripts/faults/ (or only
# those named: "07", "07-interval-refuses-zero" or its .fault path) it plants the fault, rebuilds
# both build trees incrementally, runs the native tests and then the Windows tests (each stopping at
# the first failure), records the result and restores the file. Results:
#   caught          a test failed (the first failing test is named)
#   missed          every test passed
#   not-applicable  the fault's find text does not occur exactly once in its file
#   broken          the code does not build with the fault
#   error           the suite did not run, twice (no test failed by name); see the fault's log
# The table goes to stdout and to build/faults/results.md, each fault's log beside it.
# Needs a clean tree and a green suite (checked first). Each fault's Windows tests start from the
# Wine prefix's registry and .ini files as the clean run left them, on a fresh Wine server.
# Usage: scripts/measure-faults.sh [fault ...]
set -uo pipefail
root=$(git rev-parse --show-toplevel) || exit 1
cd "$root"
build=${DEK_BUILD_DIR:-$root/build}
out=$build/faults
fault_tool() { python3 "$root/scripts/apply-fault.py" "$@"; }
# The machine's cores are shared.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}

if [ -n "$(git status --porcelain)" ]; then
  echo "The tree is not clean; commit or stash first:" >&2
  git status --short >&2
  exit 1
fi

faults=()
if [ $# -eq 0 ]; then
  faults=("$root"/scripts/faults/*.fault)
else
  for name in "$@"; do
    name=${name%.fault}
    name=${name##*/}
    matches=("$root"/scripts/faults/"$name"*.fault)
    if [ ! -f "${matches[0]}" ] || [ ${#matches[@]} -ne 1 ]; then
      echo "No single fault named $name" >&2
      exit 1
    fi
    faults+=("${matches[0]}")
  done
fi

# The file a fault is planted in, while it is; every way out puts it back.
planted=
restore() {
  if [ -n "$planted" ]; then
    git checkout -- "$planted"
    planted=
  fi
}
# At the end, or on an interruption, the Wine prefix goes back to the clean run's state too.
finish() {
  restore
  if [ -d "${snapshot:-}" ]; then restore_prefix; fi
}
trap finish EXIT
# Said on the script's own error output (fd 3), also while a step's output goes to a log.
exec 3>&2
trap 'echo "Interrupted: restoring the tree." >&3; exit 130' INT TERM

build_both() {
  "$root/scripts/build.sh" native && "$root/scripts/build.sh" win
}

# The first failing test of a ctest run's output, with how it failed ("name (Timeout)").
first_failure() {
  local line name how
  line=$(grep -m1 -E 'Test +#[0-9]+: .*\*\*\*' "$1") || return 0
  name=$(sed -E 's/.*Test +#[0-9]+: ([^ ]+).*/\1/' <<<"$line")
  how=$(sed -E 's/.*\*\*\*([A-Za-z ]*[A-Za-z]).*/\1/' <<<"$line")
  if [ "$how" = Failed ]; then echo "$name"; else echo "$name ($how)"; fi
}

# What the programs and the tests may change for good in the Wine prefix: its registry and its
# .ini files. Every fault's run starts from the state the clean run left, so that nothing one
# fault wrote there (a value a test compares against, say) can hide or fake the next one's result.
prefix=$build/win/wineprefix
snapshot=$out/prefix-snapshot
prefix_state=(system.reg user.reg userdef.reg drive_c/windows/system.ini drive_c/windows/win.ini)

# The server writes the registry back to its files as it ends.
stop_wine() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null
  WINEPREFIX=$prefix wineserver -w 2>/dev/null
}

save_prefix() {
  stop_wine
  rm -rf "$snapshot"
  for file in "${prefix_state[@]}"; do
    [ -f "$prefix/$file" ] || continue
    mkdir -p "$(dirname "$snapshot/$file")"
    cp -p "$prefix/$file" "$snapshot/$file"
  done
}

restore_prefix() {
  stop_wine
  [ -d "$snapshot" ] || return 0
  for file in "${prefix_state[@]}"; do
    if [ -f "$snapshot/$file" ]; then cp -p "$snapshot/$file" "$prefix/$file"; else rm -f "$prefix/$file"; fi
  done
}

# Runs the native tests, then the Windows tests; returns non-zero at the first failure.
run_suite() {
  # One at a time, so that the same fault always names the same first failure.
  ctest --test-dir "$build/native" -j1 --stop-on-failure --output-on-failure || return 1
  # A fresh server and desktop for every run as well: no process a fault left behind reaches the
  # next run, and a desktop that closed while Wine sat idle during a rebuild is not reused.
  restore_prefix
  (
    export WINEPREFIX=$prefix
    source "$root/scripts/wine-env.sh"
    trap dek_end_what_was_started EXIT
    ctest --test-dir "$build/win" -j1 --stop-on-failure --output-on-failure
  ) || return 1
}

mkdir -p "$out"
rm -rf "$snapshot"
started=$(date +%s)

echo "== The clean suite first"
if ! build_both >"$out/clean.log" 2>&1; then
  echo "The unchanged code does not build; see $out/clean.log" >&2
  exit 1
fi
if ! run_suite >>"$out/clean.log" 2>&1; then
  echo "The suite is red without any fault ($(first_failure "$out/clean.log")); not measuring. See $out/clean.log" >&2
  exit 1
fi
echo "   green ($(($(date +%s) - started)) s)"
save_prefix

rows=()
declare -A tally=()
for fault in "${faults[@]}"; do
  id=$(basename "$fault" .fault)
  description=$(fault_tool describe "$fault") || exit 1
  target=$(fault_tool file "$fault") || exit 1
  log=$out/$id.log
  fault_started=$(date +%s)
  first=
  planted=$target
  if ! fault_tool apply "$fault" >"$log" 2>&1; then
    planted=
    result=not-applicable
  elif ! build_both >>"$log" 2>&1; then
    result=broken
  elif run_suite >>"$log" 2>&1; then
    result=missed
  else
    result=caught
    first=$(first_failure "$log")
    if [ -z "$first" ]; then
      # Nothing failed by name: the suite itself did not run (a test list that Wine could not
      # read, say). That says nothing about the fault, so the suite runs once more.
      echo "== No test failed by name; running the suite once more" >>"$log"
      if run_suite >>"$log" 2>&1; then
        result=missed
      else
        first=$(first_failure "$log")
        [ -n "$first" ] || result=error
      fi
    fi
  fi
  restore
  tally[$result]=$((${tally[$result]:-0} + 1))
  echo "$id: $result${first:+ by $first} ($(($(date +%s) - fault_started)) s)"
  rows+=("| $id | ${description//|/\\|} | $result | ${first//|/\\|} |")
done

# The build trees are left matching the restored sources.
echo "== Rebuilding the unchanged code"
build_both >"$out/final-build.log" 2>&1 || echo "The final rebuild failed; see $out/final-build.log" >&2

elapsed=$(($(date +%s) - started))
{
  echo "| Fault | Description | Result | First test that failed |"
  echo "|---|---|---|---|"
  printf '%s\n' "${rows[@]}"
  echo
  summary=
  for result in caught missed not-applicable broken error; do
    summary+="${summary:+, }$result ${tally[$result]:-0}"
  done
  echo "${#rows[@]} faults: $summary. Measured in $((elapsed / 60)) min $((elapsed % 60)) s."
} | tee "$out/results.md"
echo "Written to $out/results.md"
