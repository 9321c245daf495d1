#!/usr/bin/env bash
# Times Dek under Wine with big collections: a normal start until the wallpaper list is filled,
# and a one-shot run ("-e") from start to exit, each beside the same run on an empty collection.
# Usage: bench/list_fill.sh [runs]   (default 7 runs per figure; prints medians, minima, maxima)
# Uses its own Wine prefix and program folders in the build tree ($DEK_BUILD_DIR, default build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-7}
build=${DEK_BUILD_DIR:-$root/build}
"$root/scripts/setup-deps.sh"
DEK_BUILD_DIR=$build "$root/scripts/build.sh" win >/dev/null

bin=$build/win/bin
work=$build/bench
export WINEPREFIX=$build/bench-wineprefix
source "$root/scripts/wine-env.sh"

# A program folder with <count> small pictures, each with its display record (0, 1, 2 in turn).
make_folder() {
  local folder=$1 count=$2
  if [ ! -f "$folder/.complete" ] || [ "$(cat "$folder/.complete")" != "$count" ]; then
    rm -rf "$folder"
    mkdir -p "$folder/Wall" "$folder/Saver" "$folder/dat"
    python3 - "$folder" "$count" <<'PY'
import os, struct, sys
folder, count = sys.argv[1], int(sys.argv[2])
w = h = 4
row = (w * 3 + 3) & ~3
pixels = (bytes((40, 90, 160)) * w + bytes(row - w * 3)) * h
picture = (struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54) +
           struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0) + pixels)
for i in range(count):
    name = 'wall%05d.bmp' % i
    with open(os.path.join(folder, 'Wall', name), 'wb') as f:
        f.write(picture)
    with open(os.path.join(folder, 'dat', name + '.dat'), 'wb') as f:
        f.write(b'%d\r\n' % (i % 3))
PY
    echo "$count" >"$folder/.complete"
  fi
  cp "$bin/Dek.exe" "$folder/Dek.exe"
}

probe() { wine "$bin/dek_bench_probe.exe" "$(winepath -w "$1")" "${@:2}"; }

# The settings store of the prefix stays empty: defaults, no start-up change, timer off in effect.
wine reg delete 'HKCU\Software\VB and VBA Program Settings\DEK' /f >/dev/null 2>&1 || true

echo "Dek under Wine, $runs runs per figure (median, min, max)"
make_folder "$work/empty" 0
for count in 1000 10000; do
  make_folder "$work/n$count" "$count"
  echo "== $count wallpapers with records"
  printf '  empty collection  '; probe "$work/empty" start 0 "$runs"
  printf '  %5d wallpapers   ' "$count"; probe "$work/n$count" start "$count" "$runs"
  printf '  empty collection  '; probe "$work/empty" oneshot "$runs"
  printf '  %5d wallpapers   ' "$count"; probe "$work/n$count" oneshot "$runs"
done
