#!/usr/bin/env bash
# The README's first command without a display: ./run.sh starts a screen and a wineserver of its
# own for its screenshot, and both have ended when it returns.
# Usage: run_leaves_no_servers.sh <repository root>
set -uo pipefail
root=$1
display=:96  # a screen no other part of the test run uses
unset DISPLAY DEK_DISPLAY
if ! DEK_XVFB_DISPLAY=$display "$root/run.sh" -e >"${TMPDIR:-/tmp}/run-leaves-no-servers.log" 2>&1; then
  tail -n 20 "${TMPDIR:-/tmp}/run-leaves-no-servers.log"
  echo "./run.sh -e failed"
  exit 1
fi
status=0
if pgrep -f "Xvfb $display " >/dev/null; then echo "The screen $display is still there"; status=1; fi
prefix=${DEK_BUILD_DIR:-$root/build}/demo-wineprefix
for pid in $(pgrep -f wineserver); do
  if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
    echo "The wineserver of $prefix is still there"
    status=1
  fi
done
exit $status
