#!/usr/bin/env bash
# Measures Dek under Wine beside floor programs of our own that make only the system calls each
# figure needs (bench/floor_*.cpp), and counts the modules each run mode of Dek loads.
# Usage: bench/bench.sh [-runs N]   the figures, N runs each (default 5), Dek and floor alternating
#        bench/bench.sh -soak       2,000 changes in one resident Dek, then 300 runs of "Dek.exe -e"
# Uses a Wine prefix of its own; it and the test data are made once and kept in build/bench.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=5
soak=false
while [ $# -gt 0 ]; do
  case $1 in
    -runs) runs=$2; shift 2 ;;
    -soak) soak=true; shift ;;
    *) echo "usage: bench/bench.sh [-runs N] | -soak" >&2; exit 2 ;;
  esac
done
build=${DEK_BUILD_DIR:-$root/build}
"$root/scripts/setup-deps.sh"
"$root/scripts/build.sh" win-bench >/dev/null
bin=$build/win-bench/bin
data=$build/bench
# A prefix and a screen of its own, so that a benchmark never meets a test run.
export WINEPREFIX=$data/wineprefix
export DEK_XVFB_DISPLAY=${DEK_XVFB_DISPLAY:-:89}
source "$root/scripts/wine-env.sh"

# A program folder of <count> small wallpapers with display records (0, 1, 2 in turn) and
# <savers> screen savers (never started: placeholders do).
make_folder() {
  local folder=$1 count=$2 savers=$3
  if [ "$(cat "$folder/.made" 2>/dev/null)" != "$count $savers" ]; then
    rm -rf "$folder"
    mkdir -p "$folder/Wall" "$folder/Saver" "$folder/dat"
    python3 - "$folder" "$count" "$savers" <<'PY'
import os, struct, sys
folder, count, savers = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
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
for i in range(savers):
    with open(os.path.join(folder, 'Saver', 'saver%d.scr' % i), 'wb') as f:
        f.write(b'MZ')
PY
    echo "$count $savers" >"$folder/.made"
  fi
  cp "$bin/Dek.exe" "$folder/Dek.exe"
}
make_folder "$data/small" 2 2
make_folder "$data/big" 10000 0
[ -f "$data/photo.jpg" ] || convert -seed 1 -size 4000x3000 plasma:fractal -quality 90 "$data/photo.jpg"
[ -f "$data/photo.png" ] || convert -seed 2 -size 4000x3000 plasma:fractal -depth 8 "$data/photo.png"
# The same two as the collection keeps them: 24-bit bitmaps, for the monitors' bitmap.
[ -f "$data/wall-1.bmp" ] || convert "$data/photo.jpg" -type TrueColor "BMP3:$data/wall-1.bmp"
[ -f "$data/wall-2.bmp" ] || convert "$data/photo.png" -type TrueColor "BMP3:$data/wall-2.bmp"

probe() { wine "$bin/dek_bench_probe.exe" "$@"; }
win() { winepath -w "$1"; }

# Dek's settings: the defaults, but no timed changes during the runs; removed again at the end.
dek_key='HKCU\Software\VB and VBA Program Settings\DEK'
wine reg delete "$dek_key" /f >/dev/null 2>&1 || true
wine reg add "$dek_key\\setting" /v opt2value /d 0 /f >/dev/null
trap 'wine reg delete "$dek_key" /f >/dev/null 2>&1 || true; dek_end_what_was_started' EXIT

echo "Dek benchmark under $(wine --version), $(date '+%Y-%m-%d %H:%M %Z')"
echo "commit $(git -C "$root" rev-parse --short HEAD)$(git -C "$root" diff --quiet HEAD || echo ' with uncommitted changes')"
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min)"
echo

if $soak; then
  probe soak "$(win "$data/small")" 2000 300
  exit
fi

# Distinct DLLs Wine reports loading, from start to a close once the program has started (or to
# its own end); the resident programs are closed by the probe.
modules() {
  local folder=$1 exe=$2 arg=$3 class=$4 rows=$5 log=$data/loaddll.log
  (cd "$folder" && WINEDEBUG=+loaddll exec wine "$exe" $arg) 2>"$log" >/dev/null &
  local started=$!
  [ -z "$class" ] || probe close "$class" "$rows" || kill "$started"
  wait "$started" || true
  grep -o 'Loaded L"[^"]*"' "$log" | grep -vi '\.exe"$' | tr 'A-Z' 'a-z' | sort -u | wc -l
}
module_row() {
  local what=$1 dek=$2 floor=$3
  echo "| modules loaded, $what | $dek | $floor | $(awk -v d="$dek" -v f="$floor" 'BEGIN { printf "%.2f", d / f }') |"
}

echo "$runs runs each (the idle minute at most 3), Dek and floor alternating: median (min..max)."
echo "Memory: the working set GetProcessMemoryInfo reports (under Wine the Linux resident set of the"
echo "process). Modules: distinct DLLs Wine reports loading (WINEDEBUG=+loaddll)."
echo
echo "| figure | Dek | floor | Dek / floor (target) |"
echo "|---|---|---|---|"
# Wine's open-file dialog complains about the root drive's volume label on every opening.
probe figures "$runs" "$(win "$data/small")" "$(win "$data/big")" 10000 "$(win "$data/photo.jpg")" "$(win "$data/photo.png")" \
  2> >(grep -v 'Read access denied for device' >&2)
small=$data/small
idle_floor=$(modules "$small" "$bin/dek_floor_idle.exe" "" DekBenchFloor 0)
module_row "normal start (floor: floor_idle)" "$(modules "$small" Dek.exe "" DekorinMainWindow 2)" "$idle_floor"
module_row "-s (floor: floor_idle)" "$(modules "$small" Dek.exe -s DekorinMainWindow 2)" "$idle_floor"
module_row "-e (floor: floor_change)" "$(modules "$small" Dek.exe -e "" 0)" \
  "$(modules "$small" "$bin/dek_floor_change.exe" "" "" 0)"
