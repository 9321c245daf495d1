#!/usr/bin/env bash
# Takes the pictures in README.md: Dek's main window, its detailed-settings and display-position
# dialogs, and DekSet's window, each cut with its frame from a Wine desktop in Xvfb, with the demo
# collection of ./run.sh, into docs/: main-window.png, settings-dialog.png, position-dialog.png,
# dekset-window.png; at another DPI than 96 the names end in -<dpi>dpi (main-window-192dpi.png).
#   scripts/screenshots.sh [--dpi 96|144|192] [--size WIDTHxHEIGHT of the desktop, 1024x768]
# The windows grow with the DPI; one larger than the desktop is cut at its edges.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() { sed -n '2,7s/^# \{0,1\}//p' "$0"; }
dpi=96 size=1024x768
while [ $# -gt 0 ]; do
  case $1 in
    --dpi) dpi=${2:-}; shift 2 || true ;;
    --size) size=${2:-}; shift 2 || true ;;
    -h|--help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
  esac
done
[[ $dpi =~ ^[0-9]+$ && $size =~ ^[0-9]+x[0-9]+$ ]] || { usage >&2; exit 2; }
width=${size%x*} height=${size#*x}
suffix=""; [ "$dpi" = 96 ] || suffix="-${dpi}dpi"

"$root/scripts/setup-deps.sh"
"$root/scripts/build.sh" win >/dev/null
build=${DEK_BUILD_DIR:-$root/build}
driver_exe=$build/win/bin/screenshot_driver.exe
docs=$root/docs
mkdir -p "$docs"

# The script's own prefix, always on the private Xvfb screen.
export WINEPREFIX=$build/screenshots/wineprefix
unset DEK_DISPLAY
export DEK_DESKTOP_SIZE=$size DEK_XVFB_SCREEN=$((width > 1280 ? width : 1280))x$((height > 1024 ? height : 1024))
source "$root/scripts/wine-env.sh"
# The prefix is the script's own, its server ended whoever started it; the screen only if started here.
trap 'wineserver -k 2>/dev/null || true; dek_end_what_was_started' EXIT
screen=$(xdpyinfo -display "$DISPLAY" | awk '/dimensions:/ {print $2}')
if [ "${screen%x*}" -lt "$width" ] || [ "${screen#*x}" -lt "$height" ]; then
  echo "The screen of display $DISPLAY is $screen, smaller than the desktop $size:" \
       "set DEK_XVFB_DISPLAY to a free display number" >&2
  exit 1
fi

# The DPI and the desktop's size are read when the server and the desktop start.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w
rm -f "$WINEPREFIX/.dek-desktop.pid"
# Other prefixes may have desktops on this display; ours is the one that comes new.
desktops() { xwininfo -display "$DISPLAY" -root -children | awk '/Wine desktop/ {print $1}'; }
others=$(desktops)
source "$root/scripts/wine-env.sh"
desktop=$(desktops | grep -vxF "${others:-none}" | head -n1 || true)
[ -n "$desktop" ] || { echo "Wine's desktop did not come up on $DISPLAY" >&2; exit 1; }
# A fresh demo program folder each time, so that every run shows the same collection; at
# C:\Dekorin, as a user might keep it (the settings dialog shows the folder).
demo=$WINEPREFIX/drive_c/Dekorin
rm -rf "$demo"
mkdir -p "$demo"
cp "$build/win/bin/Dek.exe" "$build/win/bin/DekSet.exe" "$demo/"
python3 "$root/scripts/make-demo-pictures.py" "$demo/Wall"

read -r desktop_x desktop_y < <(xwininfo -display "$DISPLAY" -id "$desktop" |
  awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}')

driver() { wine "$driver_exe" "$@" </dev/null | tr -d '\r'; }

# Saves the picture of the window with this title, frame included, as docs/<name><suffix>.png.
shoot() {
  local title=$1 picture=$docs/$2$suffix.png rect x y w h
  rect=$(driver wait "$title")
  read -r x y w h <<<"$rect"
  # A window larger than the desktop is taken as far as the desktop shows it.
  if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + w)) -gt "$width" ] || [ $((y + h)) -gt "$height" ]; then
    echo "\"$title\" (${w}x$h at $x,$y) reaches beyond the $size desktop: cut at its edges" >&2
    [ "$x" -ge 0 ] || { w=$((w + x)); x=0; }
    [ "$y" -ge 0 ] || { h=$((h + y)); y=0; }
    [ $((x + w)) -le "$width" ] || w=$((width - x))
    [ $((y + h)) -le "$height" ] || h=$((height - y))
  fi
  # Another desktop above ours would be in the picture (xwininfo lists the top one first).
  if [ "$(desktops | head -n1)" != "$desktop" ]; then
    echo "Another Wine desktop covers ours on display $DISPLAY" >&2
    exit 1
  fi
  import -display "$DISPLAY" -window root -crop "${w}x$h+$((desktop_x + x))+$((desktop_y + y))" +repage "$picture"
  echo "$picture (${w}x$h)"
}

cd "$demo"
wine 'C:\Dekorin\Dek.exe' </dev/null >/dev/null 2>&1 &
dek=$!
shoot "Dekorin" main-window
driver click "Dekorin" DetailedSettingsButton
shoot "詳細設定" settings-dialog
driver close "詳細設定"
driver select "Dekorin" WallpaperList 0  # the first wallpaper, so that 表示位置 can be pressed
driver click "Dekorin" WallpaperPositionButton
shoot "壁紙の表示位置" position-dialog
driver close "壁紙の表示位置"
driver close "Dekorin"
wait "$dek" || true

wine 'C:\Dekorin\DekSet.exe' </dev/null >/dev/null 2>&1 &
dekset=$!
shoot "DEKショートカット作成" dekset-window
driver close "DEKショートカット作成"
wait "$dekset" || true
