#!/usr/bin/env bash
# Runs Quellar.exe under Wine from a folder that also holds help.html, so
# that the Help link finds its page. Without a display it starts Xvfb.
set -euo pipefail

exe=$(realpath "$1")
here=$(cd "$(dirname "$0")/.." && pwd)
workdir=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT
cp "$exe" "$here/resources/help.html" "$workdir/"

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d"}
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
  done
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  echo "No display here: Quellar runs inside Xvfb on $DISPLAY."
  echo "See it with:  DISPLAY=$DISPLAY import -window root quellar.png   (Ctrl+C stops it)"
fi
cd "$workdir"
wine "$workdir/Quellar.exe"
