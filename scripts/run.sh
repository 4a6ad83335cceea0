#!/usr/bin/env bash
# Runs Quellar.exe under Wine from a folder that also holds help.html, so
# that the Help link finds its page. It uses a Wine prefix of its own, kept
# between runs like a user's Windows profile (your options stay saved), and
# starts Xvfb when there is no display.
set -euo pipefail

exe=$(realpath "$1")
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/wine-session.sh"

export WINEPREFIX=${QUELLAR_WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/quellar-wine}
appdir=$WINEPREFIX/drive_c/Quellar
xvfb_pid=""
# The prefix's processes end before the display they use goes away, so that
# the next run does not meet a Wine session bound to a dead display.
cleanup() {
  [ -n "$xvfb_pid" ] || return 0
  timeout 15 wineserver -w 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"${TMPDIR:-/tmp}/quellar-display.$$" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "${TMPDIR:-/tmp}/quellar-display.$$" ] && break; sleep 0.1; done
  export DISPLAY=:$(tr -d '[:space:]' <"${TMPDIR:-/tmp}/quellar-display.$$")
  rm -f "${TMPDIR:-/tmp}/quellar-display.$$"
  echo "No display here: Quellar runs inside Xvfb on $DISPLAY."
  echo "See it with:  DISPLAY=$DISPLAY import -window root quellar.png   (Ctrl+C stops it)"
fi

# The prefix is marked once its boot has proved itself; until then every run
# boots it (again).
if [ ! -f "$WINEPREFIX/.quellar-prefix" ]; then
  echo "Preparing a Wine prefix in $WINEPREFIX (once) ..."
  boot_log=$(mktemp "${TMPDIR:-/tmp}/quellar-boot.XXXXXX")
  wine_session_boot "$WINEPREFIX" "$boot_log" || { rm -f "$boot_log"; exit 1; }
  rm -f "$boot_log"
  timeout 60 wineserver -w || true
  touch "$WINEPREFIX/.quellar-prefix"
fi
# Straight on the X desktop, as most people run a Windows program, or in
# Wine's virtual desktop with its own taskbar and tray: inside Xvfb, where
# no window manager shows a tray, or when asked (QUELLAR_VIRTUAL_DESKTOP=1).
# The choice holds for the processes that start once the prefix's last one
# has ended.
if [ -n "$xvfb_pid" ] || [ -n "${QUELLAR_VIRTUAL_DESKTOP:-}" ]; then
  wine_session_desktop || true
else
  timeout 30 wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
fi
timeout 60 wineserver -w || true
wine_session_fonts "$WINEPREFIX"
if ! reason=$(wine_host_can_run "$exe"); then
  echo "$exe is a 32-bit program, which this host cannot run: $reason." >&2
  echo "The x86_64 build runs here: make run" >&2
  exit 1
fi
mkdir -p "$appdir"
cp "$exe" "$(dirname "$exe")/help.html" "$appdir/"
cd "$appdir"
echo "Starting $appdir/Quellar.exe"
wine "$appdir/Quellar.exe"
