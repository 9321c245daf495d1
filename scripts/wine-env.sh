# Sourced, not run. Prepares the environment in which Dek, DekSet and their tests run under Wine:
# the prefix inside the build tree, a display, a Japanese locale and one long-lived wineserver.
# Expects WINEPREFIX to be set. DEK_DISPLAY=real keeps an existing $DISPLAY; otherwise a private
# Xvfb screen is used, so that tests never open windows on the developer's desktop.
# DEK_DESKTOP_SIZE sets the size of the Wine desktop (1024x768), DEK_XVFB_SCREEN the size of a
# private Xvfb screen this starts (1280x1024).
# What it starts for the script's own use (the Xvfb screen, the wineserver, the desktop) is noted,
# and dek_end_what_was_started ends exactly that: a script that sources this calls it on its exit
# (trap dek_end_what_was_started EXIT), and a developer's display and servers already running
# stay as they were. Sourcing again in the same shell adds to the notes.

dek_started_xvfb=${dek_started_xvfb:-} dek_started_wineserver=${dek_started_wineserver:-} dek_started_desktop=${dek_started_desktop:-}
dek_end_what_was_started() {
  # Ending the server ends the desktop and every program of the prefix with it.
  if [ -n "$dek_started_wineserver" ]; then
    WINEPREFIX=$dek_started_wineserver wineserver -k 2>/dev/null || true
    WINEPREFIX=$dek_started_wineserver wineserver -w 2>/dev/null || true
  elif [ -n "$dek_started_desktop" ]; then
    kill "$dek_started_desktop" 2>/dev/null || true
  fi
  if [ -n "$dek_started_xvfb" ]; then
    kill "$dek_started_xvfb" 2>/dev/null || true
    # Gone, or left only as an entry nobody reaps, before this returns.
    for _ in $(seq 100); do
      grep -qs '^[^ ]* ([^)]*) [^Z]' "/proc/$dek_started_xvfb/stat" || break
      sleep 0.05
    done
  fi
  dek_started_xvfb= dek_started_wineserver= dek_started_desktop=
}

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# No 32-bit Wine is needed: both programs are 64-bit.
[ -x /usr/lib/wine/wine64 ] && export WINELOADER=/usr/lib/wine/wine64

dek_xvfb_display=${DEK_XVFB_DISPLAY:-:97}
dek_desktop_size=${DEK_DESKTOP_SIZE:-1024x768}
if [ "${DEK_DISPLAY:-}" != real ] || [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=$dek_xvfb_display
  if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    dek_started_xvfb=$(Xvfb "$DISPLAY" -screen 0 "${DEK_XVFB_SCREEN:-1280x1024}x24" -nolisten tcp </dev/null >/dev/null 2>&1 & echo $!)
    for _ in $(seq 100); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.05; done
  fi
fi

if [ ! -f "$WINEPREFIX/.dek-ready-5" ]; then
  mkdir -p "$WINEPREFIX"
  if [ -f "$WINEPREFIX/system.reg" ]; then
    # An older prefix: its processes must start again to see the settings below.
    wineserver -k 2>/dev/null || true
  else
    wineboot -i </dev/null >/dev/null 2>&1 || true
    # wineboot leaves a desktop process behind, made before the settings below existed.
    wineserver -w
  fi
  # Every program runs on one Wine desktop with a taskbar and a notification area,
  # as on Windows, instead of as loose X windows.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$dek_desktop_size" /f >/dev/null 2>&1
  # The Japanese interface font of Windows, played by the IPA font of the machine.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'MS UI Gothic' /d IPAPGothic /f >/dev/null 2>&1
  # Captions, message boxes and the taskbar use "MS Shell Dlg", which Wine points at "MS UI
  # Gothic" for Japanese; a substitute of a substitute is not followed, so name the IPA font.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'MS Shell Dlg' /d IPAPGothic /f >/dev/null 2>&1
  # A winmm.dll or uxtheme.dll beside Dek.exe or DekSet.exe is preferred to the system's, as Windows
  # searches the program's folder first for DLLs that are not known ones; Wine by default takes
  # its own. The e2e tests plant such DLLs to show the programs never load them.
  for dek_program in Dek.exe DekSet.exe; do
    for dek_dll in winmm uxtheme; do
      wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$dek_program\\DllOverrides" /v $dek_dll /d native,builtin /f >/dev/null 2>&1
    done
  done
  # Wine's own fonts (Marlett draws the caption buttons). Wine lists the fonts once per server
  # and keeps the list while the server runs: the server must end before they show.
  "$(dirname "${BASH_SOURCE[0]}")/register-wine-fonts.sh" || echo "Going on without Wine's own fonts" >&2
  wineserver -w
  rm -f "$WINEPREFIX/.dek-desktop.pid" "$WINEPREFIX"/.dek-ready-*
  touch "$WINEPREFIX/.dek-ready-5"
fi

# Keep one server and the desktop process alive for the whole run, so that each program start
# costs a fraction of a second. Both are started here, detached from this shell's output: a
# long-lived process that inherited a pipe would keep whoever reads it (ctest, CI) waiting.
# A server already running (exit code 2) is someone else's.
if wineserver -p </dev/null >/dev/null 2>&1; then dek_started_wineserver=$WINEPREFIX; fi
dek_desktop_pid_file=$WINEPREFIX/.dek-desktop.pid
if ! { [ -f "$dek_desktop_pid_file" ] && kill -0 "$(cat "$dek_desktop_pid_file")" 2>/dev/null; }; then
  # Another prefix may have a desktop on this display too: wait for one more.
  dek_desktops() { xwininfo -display "$DISPLAY" -root -children 2>/dev/null | grep -c 'Wine desktop' || true; }
  dek_desktops_before=$(dek_desktops)
  setsid wine explorer.exe /desktop=Default,"$dek_desktop_size" </dev/null >/dev/null 2>&1 &
  dek_started_desktop=$!
  echo $! >"$dek_desktop_pid_file"
  for _ in $(seq 200); do
    [ "$(dek_desktops)" -gt "$dek_desktops_before" ] && break
    sleep 0.05
  done
fi
