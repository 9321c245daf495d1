# Sourced, not run. Prepares the environment in which Dek, DekSet and their tests run under Wine:
# the prefix inside the build tree, a display, a Japanese locale and one long-lived wineserver.
# Expects WINEPREFIX to be set. DEK_DISPLAY=real keeps an existing $DISPLAY; otherwise a private
# Xvfb screen is used, so that tests never open windows on the developer's desktop.

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# No 32-bit Wine is needed: both programs are 64-bit.
[ -x /usr/lib/wine/wine64 ] && export WINELOADER=/usr/lib/wine/wine64

dek_xvfb_display=${DEK_XVFB_DISPLAY:-:97}
if [ "${DEK_DISPLAY:-}" != real ] || [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=$dek_xvfb_display
  if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    (Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 100); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.05; done
  fi
fi

if [ ! -f "$WINEPREFIX/.dek-ready" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # Every program runs on one Wine desktop with a taskbar and a notification area,
  # as on Windows, instead of as loose X windows.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.dek-ready"
fi

# Keep one server alive for the whole run: each program start then costs a fraction of a second.
wineserver -p 2>/dev/null || true
