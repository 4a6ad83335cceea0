#!/usr/bin/env bash
# Runs the end-to-end driver against Quellar.exe under Wine: a fresh prefix
# (copied from a cached template), a private X display, and everything torn
# down again on the way out, whatever happens.
#
# usage: run-e2e.sh QUELLAR_EXE DRIVER_EXE [GTEST_FILTER] [OUT_DIR]
#   OUT_DIR (or $E2E_OUT) receives the screenshots as PNG; default: e2e-out/
#   next to the driver. $E2E_PREFIX_TEMPLATE overrides where the template
#   prefix is kept (default: e2e-prefix-template/ next to the driver).
#   $E2E_TIMEOUT caps the driver's run in seconds (default 100).
set -euo pipefail

usage() {
    echo "usage: $0 QUELLAR_EXE DRIVER_EXE [GTEST_FILTER] [OUT_DIR]" >&2
    exit 64
}
[[ $# -ge 2 && $# -le 4 ]] || usage
[[ -f $1 ]] || { echo "run-e2e: no program at $1" >&2; exit 66; }
[[ -f $2 ]] || { echo "run-e2e: no driver at $2" >&2; exit 66; }

program_exe=$(realpath "$1")
driver_exe=$(realpath "$2")
filter=${3:-*}
build_dir=$(dirname "$driver_exe")
out_dir=${4:-${E2E_OUT:-$build_dir/e2e-out}}
template=${E2E_PREFIX_TEMPLATE:-$build_dir/e2e-prefix-template}
run_timeout=${E2E_TIMEOUT:-100}
script_dir=$(dirname "$(realpath "$0")")

export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINEPREFIX DISPLAY

xvfb_pid=
work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-e2e.XXXXXX")

stop_wine() {  # $1: the prefix whose processes must end
    WINEPREFIX=$1 timeout 10 wineserver -k 2>/dev/null || true
    WINEPREFIX=$1 timeout 10 wineserver -w 2>/dev/null || true
}

cleanup() {
    local status=$?
    trap - EXIT INT TERM
    if [[ -d $work/prefix ]]; then stop_wine "$work/prefix"; fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        timeout 5 tail --pid="$xvfb_pid" -f /dev/null 2>/dev/null || kill -9 "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

elapsed_since() { echo "$(( $(date +%s%N) / 1000000 - $1 ))ms"; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# A display of our own: Xvfb picks a free number and tells us which.
start_display() {
    local fd_file=$work/display
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    local tries=0
    until [[ -s $fd_file ]]; do
        (( ++tries <= 100 )) || { echo "run-e2e: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 70; }
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "run-e2e: Xvfb failed" >&2; cat "$work/xvfb.log" >&2; exit 70; }
        sleep 0.1
    done
    export DISPLAY=:$(tr -d '[:space:]' <"$fd_file")
}

# The template prefix: booted once, with Wine's virtual desktop as the
# default so the program, the driver and the taskbar share one desktop.
ensure_template() {
    local stamp="$template/.quellar-e2e-template"
    local version
    version=$(wine --version)
    [[ -f $stamp && $(cat "$stamp") == "$version" ]] && return
    mkdir -p "$(dirname "$template")"
    exec 9>"$template.lock"
    flock -w 120 9 || { echo "run-e2e: template lock timed out" >&2; exit 75; }
    if [[ ! -f $stamp || $(cat "$stamp") != "$version" ]]; then
        local fresh
        fresh=$(mktemp -d "$template.new.XXXXXX")
        local started
        started=$(now_ms)
        (
            export WINEPREFIX=$fresh
            timeout 120 wine wineboot -i >/dev/null 2>&1
            timeout 30 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
            timeout 30 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 800x600 /f >/dev/null 2>&1
            timeout 60 wineserver -w
        ) || { stop_wine "$fresh"; rm -rf "$fresh"; echo "run-e2e: could not prepare a Wine prefix" >&2; exit 70; }
        echo "$version" >"$fresh/.quellar-e2e-template"
        rm -rf "$template"
        mv "$fresh" "$template"
        echo "run-e2e: template prefix prepared in $(elapsed_since "$started")"
    fi
    exec 9>&-
}

started=$(now_ms)
start_display
ensure_template

step=$(now_ms)
cp -a "$template" "$work/prefix"
export WINEPREFIX=$work/prefix
echo "run-e2e: fresh prefix in $(elapsed_since "$step") on display $DISPLAY"

app_dir=$WINEPREFIX/drive_c/quellar
mkdir -p "$app_dir/shots"
cp "$program_exe" "$driver_exe" "$app_dir/"
for help in "$(dirname "$program_exe")/help.html" "$script_dir/../resources/help.html"; do
    if [[ -f $help ]]; then cp "$help" "$app_dir/"; break; fi
done
win_dir='C:\quellar'
program_name=$(basename "$program_exe")
driver_name=$(basename "$driver_exe")

# Wine's exit status is not to be trusted on its own: the driver must also
# have printed GoogleTest's summary.
log=$work/driver.log
step=$(now_ms)
set +e
(cd "$app_dir" && timeout -k 5 "$run_timeout" wine "$win_dir\\$driver_name" \
    "--quellar-exe=$win_dir\\$program_name" "--shots=$win_dir\\shots" "--gtest_filter=$filter" \
    --gtest_color=no) 2>&1 | tr -d '\r' | tee "$log"
status=${PIPESTATUS[0]}
set -e
echo "run-e2e: driver ran for $(elapsed_since "$step") (exit status $status)"

mkdir -p "$out_dir"
for shot in "$app_dir"/shots/*.bmp; do
    [[ -e $shot ]] || continue
    convert "$shot" "$out_dir/$(basename "${shot%.bmp}").png"
    echo "run-e2e: saved $out_dir/$(basename "${shot%.bmp}").png"
done

summary=$(grep -E '^\[==========\] [0-9]+ tests? from [0-9]+ test suites? ran' "$log" || true)
if [[ -z $summary ]]; then
    echo "run-e2e: the driver did not run to its end (no test summary; status $status)" >&2
    (( status != 0 )) || status=70
elif [[ $summary =~ ^\[==========\]\ 0\ tests ]]; then
    echo "run-e2e: no test matches the filter '$filter'" >&2
    status=65
elif grep -q '^\[  FAILED  \]' "$log" && (( status == 0 )); then
    echo "run-e2e: tests failed but the driver's status was 0" >&2
    status=1
fi
echo "run-e2e: finished in $(elapsed_since "$started") with status $status"
exit "$status"
