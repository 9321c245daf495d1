#!/usr/bin/env bash
# Builds Dek and DekSet and starts one of them under Wine from the demo program folder
# build/demo (Dek by default; "./run.sh DekSet" for the shortcut maker). Other arguments pass
# through: ./run.sh -s, ./run.sh -e. On a machine with a display the program opens there;
# without one it runs in a private Xvfb screen, and a screenshot is saved to build/screenshot.png.
# Whatever it starts for the program (a screen, a wineserver) ends when it returns.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup-deps.sh"
"$root/scripts/build.sh" win >/dev/null
build=${DEK_BUILD_DIR:-$root/build}

program=Dek
if [ "${1:-}" = DekSet ] || [ "${1:-}" = Dek ]; then program=$1; shift; fi

demo=$build/demo
mkdir -p "$demo"
for exe in Dek DekSet; do
  [ -f "$build/win/bin/$exe.exe" ] && cp "$build/win/bin/$exe.exe" "$demo/"
done
# First use: a few pictures of our own, so the wallpaper list has something to show.
[ -d "$demo/Wall" ] || python3 "$root/scripts/make-demo-pictures.py" "$demo/Wall"

export WINEPREFIX=$build/demo-wineprefix
[ -n "${DISPLAY:-}" ] && export DEK_DISPLAY=real
source "$root/scripts/wine-env.sh"
# The screen and the server started here for the program end with this command.
trap dek_end_what_was_started EXIT

screenshot=$build/screenshot.png
title=Dekorin; [ "$program" = DekSet ] && title="DEKショートカット作成"
echo "Starting $program.exe $* in $demo (display $DISPLAY)"
cd "$demo"
wine "$demo/$program.exe" "$@" &
pid=$!

# Screenshot once the window is up (or the one-shot run has ended).
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q "\"$title\"" && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
sleep 0.5  # let the window finish painting before the picture is taken
import -display "$DISPLAY" -window root "$screenshot" && echo "Screenshot: $screenshot"

if [ "${DEK_DISPLAY:-}" = real ]; then
  wait $pid
else
  # Nobody can work a window on a private screen: close it again once it has been seen.
  if kill -0 $pid 2>/dev/null; then wine taskkill /im "$program.exe" >/dev/null 2>&1 || true; fi
  wait $pid || true
fi
